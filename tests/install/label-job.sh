# Sourced by the installed-tree and package checks: runs a label job with the programs in
# BIN_DIR on a one-record address file made in WORK_DIR. Prints what went wrong and returns 1,
# or returns 0 when the PDF holds the record's name line.
# Usage: labelJob BIN_DIR WORK_DIR
labelJob() {
    bin=$1
    work=$2
    mkdir -p "$work"
    "$bin/xbase-tool" create "$work/LIST.DBF" LNAME:C:30 FNAME:C:30 MIDDLE:C:1 TITLE:C:30 \
        ORG:C:30 STREET:C:30 CITY:C:30 STATE:C:20 ZIP:C:10 COUNTRY:C:30 PHONE:C:30 EMAIL:C:30 \
        FAX:C:30 NOTES:C:30 PREFIX:C:12 CARRIER:C:4 DATE:D BEGIN:L SEQNO:N:6:0 MEMO:M >/dev/null ||
        { echo "xbase-tool create failed"; return 1; }
    printf 'Adams,Bob,2 Oak Ave,Reno,NV,89501\n' >"$work/rows.csv"
    "$bin/xbase-tool" append-csv "$work/LIST.DBF" "$work/rows.csv" \
        --columns LNAME,FNAME,STREET,CITY,STATE,ZIP >/dev/null ||
        { echo "xbase-tool append-csv failed"; return 1; }
    if ! "$bin/ravenpost-batch" labels "$work/LIST.DBF" --setup "Address labels, 30 per sheet" \
        --output "$work/labels.pdf" --home "$work/home" --quiet; then
        echo "the ravenpost-batch labels job failed"
        return 1
    fi
    if [ ! -s "$work/labels.pdf" ]; then
        echo "the ravenpost-batch labels job wrote no PDF"
        return 1
    fi
    if command -v pdftotext >/dev/null 2>&1 &&
        ! pdftotext "$work/labels.pdf" - | grep -q "Bob Adams"; then
        echo "the label PDF lacks \"Bob Adams\""
        return 1
    fi
    return 0
}
