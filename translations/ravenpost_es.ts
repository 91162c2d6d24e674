<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AddingRules</name>
    <message>
        <source>Possible duplicate: <byte value="xd"/>
<byte value="xd"/>
%1 %2<byte value="xd"/>
%3<byte value="xd"/>
%4,%5 %6<byte value="xd"/>
<byte value="xd"/>
Continue adding?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressFile</name>
    <message>
        <source>File %1 not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open %1<byte value="xd"/>
<byte value="xd"/>
 * May not an Ravenpost file.<byte value="xd"/>
 * May be in use by another program or user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The index file for %1 is missing or out of date, and it cannot be rebuilt while the file is open read-only. The records are shown in the order they were added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The index file for %1<byte value="xd"/>
is missing or invalid. Please select [Rebuild Indexes]<byte value="xd"/>
from the [File] menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open this file exclusively. Possibly in use by another program or user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravenpost cannot save changes to %1: the file, its memo or index file, or its folder is read-only.<byte value="xd"/>
<byte value="xd"/>
Open it read-only? You can browse, search and print its records, but not add, change or delete them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create index files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File creation failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressTable</name>
    <message>
        <source>The file %1 was not closed properly. Its indexes have been rebuilt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AsciiImport</name>
    <message>
        <source>Importing records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting total lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Unknown error reading ASCII file after importing %n records.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unknown error analyzing text line after importing %n records.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unknown error writing to datafile after importing %n records.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import cancelled after importing %n records.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import complete. Imported %n records.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 lines were longer than %2 characters; the rest of those lines was not imported.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AsciiMatchDialog</name>
    <message>
        <source>Field %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BarcodeCommand</name>
    <message>
        <source>--imb takes BARCODEID,SERVICE,MAILER,SERIAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a POSTNET barcode needs a ZIP code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>barcode takes no address file: use --zip ZIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--zip ZIP is needed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BarcodeOption</name>
    <message>
        <source>--barcode takes postnet or imb, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Intelligent Mail settings of %1 are not right: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchArgs</name>
    <message>
        <source>--%1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option --%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 must be a whole number of at least %2, not &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchCommands</name>
    <message>
        <source>barcode --zip ZIP [--imb BARCODEID,SERVICE,MAILER,SERIAL]
  Writes the bars of a postal barcode for a ZIP (5, 9 or 11 digits; none with
  --imb): POSTNET as its digits with the correction digit and its bars as F and H,
  or with --imb the Intelligent Mail barcode&apos;s bars as A, D, F and T.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calibrate --printer NAME (--shift X,Y | --clear) [--home DIR]
  Keeps the correction of a system printer in RAVENP.INI: X and Y are how far the
  marks of its calibration page landed right of and below where they should
  (inches; negative for left and above). Its labels and envelopes are then moved
  back by those amounts. --clear removes the correction. &quot;PDF file&quot; is never
  corrected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calibration-page [--printer NAME | --output FILE.pdf] [--paper Letter|A4|WxH]
  Prints the calibration page (uncorrected): a frame 0.5 inch in from each edge,
  crosshairs at the positions written beside them and rulers in 1/32 inch, to
  measure how far the printer puts its output off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>count ADDRESSFILE [--filter EXPR] [--where LINE=TEXT]... [--home DIR]
  Writes the number of chosen records on standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>create FILE.DBF
  Makes a new, empty address file with its memo file and the 21 tags, as File &gt; New
  makes it; an existing file is never replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>envelopes ADDRESSFILE --setup DESCRIPTION [--output FILE.pdf | --printer NAME]
       [--record N] [--paper Letter|A4|WxH] [--barcode postnet|imb]
       [--filter EXPR] [--where LINE=TEXT]... [--order TAG] [--quiet] [--home DIR]
  Prints one envelope per chosen record (or record N) with an envelope setup of
  RVPESU.DBF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>labels ADDRESSFILE --setup DESCRIPTION [--output FILE.pdf | --printer NAME]
       [--copies N] [--presort] [--households] [--start-record N]
       [--start-label N]
       [--barcode postnet|imb] [--filter EXPR]
       [--where LINE=TEXT]... [--order TAG] [--yes] [--quiet] [--home DIR]
  Prints labels of the chosen records with a label setup of RVPLSU.DBF.
  --start-label N begins the first sheet at its N-th label (across, then down).
  --households prints one label per household (same street and ZIP) and tells
  the pieces saved on standard error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>label-products [--search TEXT]
  Lists the label products of the gLabels template files on this system (the
  glabels-data package and the user&apos;s own templates) that a label stock can hold:
  &quot;BRAND PRODUCT&quot;, description, label size, across x down and paper, tab-separated;
  --search keeps those containing every word of TEXT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add-label-product &quot;BRAND PRODUCT&quot; [--home DIR]
  Adds that label product (as label-products names it) to RVPLBLS.DBF as a label
  stock of your own; a product already there is named instead of added twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>letters ADDRESSFILE (--letter DESCRIPTION | --rtf FILE.rtf)
       [--output FILE.pdf | --printer NAME] [--copies N]
       [--all | --record N | --start-record N] [--filter EXPR]
       [--where LINE=TEXT]... [--order TAG] [--quiet] [--home DIR]
  Prints one merged letter per chosen record (or record N; --all: every record not
  marked deleted), each on new pages, with a letter of RVPLTRS.DBF or an RTF file;
  --copies 1 to 999 of each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>report ADDRESSFILE --layout 1..4 --title TEXT [--memo] [--codes]
       [--output FILE.pdf | --printer NAME] [--paper Letter|A4|WxH]
       [--start-record N] [--filter EXPR] [--where LINE=TEXT]... [--quiet]
       [--home DIR]
  Prints the list report of the chosen records: 1 name, address, city, phone;
  2 name, organization, phone, fax; 3 the same by organization; 4 all fields.
  --memo and --codes add each record&apos;s memo and codes. --paper: Letter, A4 or
  WIDTHxHEIGHT in inches (else the printer&apos;s paper).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import-csv ADDRESSFILE CSVFILE --columns FIELD,FIELD,...
       [--quiet] [--home DIR]
  Appends a record for every line of a comma-delimited file; the n-th FIELD (an
  address field name such as LNAME, or MEMO, or empty to skip) takes column n.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import-dbf ADDRESSFILE SOURCE.DBF [--map SRC=FIELD,...]
       [--quiet] [--home DIR]
  Appends a record for every record of a DBF file, its fields matched by name;
  --map puts source field SRC into FIELD (SRC= leaves it out).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import-vcard ADDRESSFILE FILE.vcf [--quiet] [--home DIR]
  Appends a record for every card of a vCard file (version 2.1, 3.0 or 4.0): the
  name, organization, title, first address, phone, fax, e-mail, categories (as
  the codes) and notes (as the memo). Cards without any of those are skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zip-count ADDRESSFILE [--text | --output FILE.pdf | --printer NAME]
       [--paper Letter|A4|WxH] [--filter EXPR] [--where LINE=TEXT]... [--quiet]
       [--home DIR]
  Counts the ZIP codes of the chosen records: the Zip Code Count Report, or with
  --text its count lines on standard output. --paper: Letter, A4 or WIDTHxHEIGHT in
  inches (else the printer&apos;s paper).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>presort ADDRESSFILE [--output FILE] [--filter EXPR] [--where LINE=TEXT]...
       [--quiet] [--home DIR]
  Writes the presort list of the chosen records to FILE, or PRESORT.PSL in the
  data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check-state-zip ADDRESSFILE [--blanks] [--filter EXPR] [--where LINE=TEXT]...
       [--quiet] [--home DIR]
  Checks state and ZIP against RVPSZCK.DBF and writes each questionable record as
  record number, state and ZIP (tab-separated), in last and first name order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duplicates ADDRESSFILE [--by name|initial|street[:N]] [--filter EXPR]
       [--where LINE=TEXT]... [--quiet] [--home DIR]
  Writes the possible duplicates as record number and key (tab-separated), equal
  keys together, and their number of equal pairs to standard error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy-out ADDRESSFILE --output FILE.csv|FILE.dbf|FILE.vcf [--filter EXPR]
       [--where LINE=TEXT]... [--order TAG] [--yes] [--quiet] [--home DIR]
  Copies the chosen records to a comma-delimited file, to a DBF file with the
  memo, or to a vCard file (one vCard 4.0 per record, UTF-8).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uppercase ADDRESSFILE [--fields NAME,NAME...] [--filter EXPR]
       [--where LINE=TEXT]... [--quiet] [--home DIR]
  Converts the fields of the chosen records to capitals; writes the number converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete ADDRESSFILE (--filter EXPR [--not-matching] | --all) [--home DIR]
  Deletes the records the filter chooses (or leaves out); --all empties the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>search-replace ADDRESSFILE FIELD FIND REPLACE [--whole] [--ignore-case]
       [--filter EXPR] [--where LINE=TEXT]... --yes [--home DIR]
  Replaces FIND within FIELD of the chosen records (--whole: fields equal to FIND).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choosing records: every record not marked deleted, or those --filter EXPR (an xBase
expression) lets through, and those the Filter page lines of --where LINE=TEXT let
through (one line per option, named by its label or field: --where &quot;Last=SM;JO&quot;
--where &quot;State or Prov=CA&quot;; the text in the Filter page&apos;s syntax); --order TAG.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing: --printer NAME (a system printer), or --output FILE.pdf; else the printer the
program&apos;s dialog would choose (for envelopes the one remembered for the setup), and
when that is &quot;PDF file&quot;, labels.pdf, envelope.pdf, letters.pdf, zip-count.pdf or
report.pdf in the current folder. The postal barcode is the one RAVENP.INI chooses, or
--barcode&apos;s; a completed run stores the next Intelligent Mail serial number there.
Labels and envelopes on a printer with a correction (see calibrate) are moved by it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: ravenpost-batch COMMAND ADDRESSFILE [options]

commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: 0 done, 1 a usage or input error, 2 stopped (Ctrl+C).
Every command takes --help.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ravenpost-batch: unknown command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: ravenpost-batch %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>edit ADDRESSFILE --record N FIELD=VALUE... [--home DIR]
  Changes fields of record N under its lock, the file open shared, so that it
  works while others have the file open: FIELD an address field name such as
  LNAME or MEMO, VALUE its new text (a date in the short date format of
  RAVENP.INI, T or F for a logical field, empty to empty it). A record another
  user is changing or a deleted record is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every command takes --language CODE, the language of its messages (such as es
or en); by default the locale&apos;s ($LANGUAGE, $LC_ALL, $LC_MESSAGES, $LANG). A
language without a translation is English; the data written on standard
output stays English.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchJob</name>
    <message>
        <source>no address file given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be changed: the file, its memo or index file, or its folder is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--order: the address file has no tag %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--record: the address file has no record %1 (it has %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--record: record %1 is deleted, and is not printed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchMessages</name>
    <message>
        <source>it %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Yes (--yes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 No (give --yes to answer Yes)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>%1 [%2%3] %4 % %5 of %6 records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 records/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 % (%3 of %4 records)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalibrateCommand</name>
    <message>
        <source>calibrate takes no address file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--printer NAME is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--printer: &quot;%1&quot; prints exactly what is drawn and is never corrected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give either --shift X,Y or --clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--shift must be X,Y in inches (right and down), not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Measure how far the marks landed to the right of and below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>where they should be (negative for left and above), and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enter the two figures in Utilities &gt; Calibrate Printer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalibrationPageCommand</name>
    <message>
        <source>calibration-page takes no address file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calibration page could not be started on %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalibrationPositions</name>
    <message>
        <source>%1, %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckStateZipCommand</name>
    <message>
        <source>cannot make a work folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CodePageDecoder</name>
    <message>
        <source>The character set %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandPlan</name>
    <message>
        <source>You need to have a Ravenpost file open first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from &amp;DBF File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from &amp;ASCII File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from &amp;vCard File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count &amp;Zip Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;&amp; Repair &amp;State and Zip Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;&amp; Repair &amp;Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to &amp;Uppercase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &amp;Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Records &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search &amp;&amp; Replace Field Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrate &amp;Printer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En&amp;velopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le&amp;tters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No active records for current filter. Nothing to copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Printing labels is not feasible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to Open RVPLSU.DBF (label setup file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Printing envelopes is not feasible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to Open RVPESU.DBF (envelope setup file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Printing letters is not feasible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to Open or Create RVPLTRS.DBF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Printing reports is not feasible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Printing calibration pages is not feasible</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConvertToUppercaseDialog</name>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State/Province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip/Postal Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CopyOut</name>
    <message>
        <source>Cannot copy a file to itself!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Must have a .DBF extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CopyOutCommand</name>
    <message>
        <source>give --output FILE.csv, FILE.dbf or FILE.vcf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--output: cannot copy to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error copying</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CreateCommand</name>
    <message>
        <source>create takes one address file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must have a .DBF extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists and is not replaced</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The option --home needs the name of a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no folder for your own program data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DbfImport</name>
    <message>
        <source>Unable to open the file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no records in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing records</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Import cancelled after importing %n records.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Unknown error while importing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Import complete. Imported %n records.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeleteCommand</name>
    <message>
        <source>give either --filter EXPR or --all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--not-matching needs --filter EXPR</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DuplicateCheckDialog</name>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State/Prov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip/Postal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DuplicatesCommand</name>
    <message>
        <source>--by street:N takes N from 1 to 30, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--by takes name, initial or street[:N], not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make a work folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditCommand</name>
    <message>
        <source>Record %1 is deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give --record N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give at least one FIELD=VALUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address file has no record %1 (it has %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record %1 is being changed by another user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a date in the form %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not T, F, Y or N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is longer than the field&apos;s %3 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not FIELD=VALUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address file has no field %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnvelopeDesignModel</name>
    <message>
        <source>Please enter a description for this Envelope Setup record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnvelopeDesignerDialog</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City + State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip/Postal code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnvelopeLayouts</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WIDTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEIGHT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnvelopePrinting</name>
    <message>
        <source>Preview Envelope</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnvelopeRun</name>
    <message>
        <source>The envelope setup &quot;%1&quot; places the delivery address off the envelope. Open it in the Envelope Designer and move the address onto the envelope.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Envelope Print Canceled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Envelope Preview Canceled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Preview Stopped!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Envelope Print Completed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Envelope Preview Ready!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnvelopeSetup</name>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnvelopeSetupList</name>
    <message>
        <source>Delete this record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to Open RVPESU.DBF (envelope setup file)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnvelopeSizeForm</name>
    <message>
        <source>Envelope Height must be at least 2 inches (50mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope Width must be at least 2 inches (50mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Unique Name is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Description is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnvelopeSizes</name>
    <message>
        <source>You may only edit User Defined envelopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may only delete User Defined envelopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this envelope?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We were unable to open the envelope definition file: RVPENVS.DBF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnvelopesCommand</name>
    <message>
        <source>--setup DESCRIPTION is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--record prints that one record: leave out --filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no record is chosen: there is no envelope to print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldText</name>
    <message>
        <source>The character &quot;%1&quot; cannot be stored in a Ravenpost file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterBuilder</name>
    <message>
        <source>The %1 line cannot be used in a filter: %2<byte value="xd"/>
The previous filter stays in force.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterLines</name>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip or Postal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State or Prov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry - filter is too complex.Please simplify it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid date. Must be in the format:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double quotes cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportCsvCommand</name>
    <message>
        <source>%1 line %2: not a line of text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line %2: a double quote is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--delimiter: %1 is not comma, semicolon or tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: columns skipped: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no column name is the name of an address field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--columns: %1 names given, but %2 has %3 columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--columns: there is no address field %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--columns: %1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--columns: no column goes into an address field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no CSV file given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--columns FIELD,FIELD,... or --header is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Unable to import from this file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportDbfCommand</name>
    <message>
        <source>--map: %1 has no field %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--map: %1 is not SRC=FIELD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--map: there is no address field %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--map: the field %1 cannot go into %2 (its type)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no DBF file given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Unable to import from this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no field of %1 goes into an address field (give --map)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportTags</name>
    <message>
        <source>Unable to create index files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error rebuilding indexes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportVcardCommand</name>
    <message>
        <source>no vCard file given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IndexRecoveryGauge</name>
    <message>
        <source>Rebuilding Indexes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntelligentMail</name>
    <message>
        <source>Intelligent Mail barcode: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The barcode identifier must be 2 digits, the second of them 0 to 4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service type must be 3 digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mailer ID must be 6 or 9 digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mailer ID of 6 digits begins with 0 to 8, one of 9 digits begins with 9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With a mailer ID of %1 digits the serial number is 1 to %2 digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZIP code may hold only digits, blanks and hyphens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZIP code must have 5, 9 or 11 digits, or none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The routing code must be digits only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory for the barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected symbol from libzint</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelDefinition</name>
    <message>
        <source>Label Height must be at least .3 inches (or 7mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Width must be at least .5 inch (or 13mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Pitch must be at least = Label Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Pitch must be at least = Label Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Width must be at least .3 inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Height must be at least .3 inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must provide a description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelDesignerModel</name>
    <message>
        <source>%1,%2 pt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1,%2 pt., Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1,%2 pt., Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1,%2 pt., Bold, Italic</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelDesignerPreview</name>
    <message>
        <source>Postal barcode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelPrintJob</name>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels will print/preview in the following order:<byte value="xd"/>
  1. 5-Digit presort<byte value="xd"/>
  2. 3-Digit presort<byte value="xd"/>
  3. ADC presort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Labels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelPrintRun</name>
    <message>
        <source>The %1 Family</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelProductsCommand</name>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Products of the files left out: %n (their labels are not rectangles in one grid that a label definition can hold).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>give the product as one argument: &quot;BRAND PRODUCT&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no label product &quot;%1&quot; in the label template files (label-products lists them)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already in %2 as &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 added to %2 as &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelSetupList</name>
    <message>
        <source>Delete this record?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>Ravenpost was unable to confirm that the paper size was set to<byte value="xd"/>
<byte value="xd"/>
%1&quot; by %2&quot;<byte value="xd"/>
<byte value="xd"/>
(you may have the wrong printer selected)<byte value="xd"/>
<byte value="xd"/>
Would you like to try printing anyways?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelTemplateFile</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelsCommand</name>
    <message>
        <source>--setup DESCRIPTION is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--start-label: the setup&apos;s sheet has %1 labels, not %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LetterDesignerDialog</name>
    <message>
        <source>Rich Text Files|*.rtf</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LetterPrintRun</name>
    <message>
        <source>The letter&apos;s margins leave no room for text on the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not start the job.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LettersCommand</name>
    <message>
        <source>--letter: the letter &quot;%1&quot; cannot be read whole: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rtf: cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rtf: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--all and --record choose different records: give one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--all prints every record: leave out --%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--record prints that one record: leave out --%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--letter DESCRIPTION or --rtf FILE.rtf is needed (one)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--copies must be a whole number of at most %1, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no record is chosen: there is no letter to print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListReport</name>
    <message>
        <source>1. Name,Address,City,State,Zip,Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Name,Organization,Phone,Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Organization,Name,Phone,Fax </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. All fields (takes several lines)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City/St/Zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title and Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City/State/Zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone,Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ph: %1  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax: %1  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModemLine</name>
    <message>
        <source>Not a device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputPrinter</name>
    <message>
        <source>--printer: there is no printer %1; the printers are %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ravenpost-batch: printing to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>%1: a page can be at most 200 inches (508 cm) a side.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>A recorded page is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create a file for the recorded pages in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the recorded pages to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the recorded pages from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many fonts on the recorded pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many colours on the recorded pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageUnits</name>
    <message>
        <source>Width must be greater than 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height must be greater than 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top must not be negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom must not be negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left must not be negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right must not be negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left and Right leave no room for text on the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top and Bottom leave no room for text on the page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaperOption</name>
    <message>
        <source>--paper must be Letter, A4 or WIDTHxHEIGHT in inches, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaperSize</name>
    <message>
        <source>Letter (8.5 x 11&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter Landscape (11 x 8.5&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4 (210 x 297mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4 Landscape ( 297 x 210mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A5 (148 x 210mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Portrait (User Defined)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Landscape (User Defined)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhoneCall</name>
    <message>
        <source>The number to dial cannot contain control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to dial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick up phone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Presort</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresortCommand</name>
    <message>
        <source>--output needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--output: there is no folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--output: cannot write in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--output: cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintStatusTexts</name>
    <message>
        <source>Cancel %1 Printing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>%1 Print Canceled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>%1 Preview Canceled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>%1 Print Completed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>%1 Preview Ready!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Printing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Print Canceled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Preview Canceled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Preview Stopped at page %p!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Print Completed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Preview Ready!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrinterCalibration</name>
    <message>
        <source>The printer &quot;%1&quot; cannot be calibrated: it prints exactly what is drawn.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrinterSurface</name>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document was cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document could not be finished</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramArguments</name>
    <message>
        <source>Ravenpost keeps mailing lists in xBase address files and prints their labels,
envelopes, form letters and reports. Only one copy runs per user and data folder:
starting another brings the running one to the front (and has it open FILE.DBF).
Qt&apos;s own options, such as -platform and -style, are accepted as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints this help and ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the version and ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder (RAVENP.INI, the side tables), created when missing; by default $RAVENPOST_HOME, the program&apos;s folder when it holds a writable RAVENP.INI, or ~/.local/share/Ravenpost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An address file to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ravenpost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravenpost %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ravenpost: there is no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the windows and messages, such as es or en; by default the locale&apos;s ($LANGUAGE, $LC_ALL, $LC_MESSAGES, $LANG). A language without a translation is English.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingStatus</name>
    <message>
        <source>Reading database records...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading record %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorting Zip Codes...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RebuildIndexes</name>
    <message>
        <source>Rebuilding Letters File indexes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebuilding Label Type File indexes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebuilding Envelope Type File indexes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebuilding State/Province File indexes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebuilding Label Setup File indexes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebuilding Envelope Setup File indexes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning out old deleted records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebuilding indexes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordSearch</name>
    <message>
        <source>Invalid date entered</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordView</name>
    <message>
        <source>Current record is out of range. Starting with first record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>--layout 1..4 is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--title TEXT is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--layout takes 1, 2, 3 or 4, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report could not be started on %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportStatus</name>
    <message>
        <source>Printing Page %p</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RtfPageLayout</name>
    <message>
        <source>The RTF page size of %1 x %2 twips is not a page size: the letter is laid out on Letter paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The RTF page of %1 x %2 inches is larger than a page can be printed (200 inches a side): it is cut to %3 x %4 inches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The RTF margins leave no room for text on the page: they are cut to %1 inches left, %2 right, %3 top and %4 bottom.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>The text is not RTF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The RTF groups are nested too deeply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The RTF text ends before its last group is closed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchReplace</name>
    <message>
        <source>is empty </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exactly matches: &quot;%1&quot;  (case sensitive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contains: &quot;%1&quot;  (case sensitive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exactly matches: &quot;%1&quot; (not case sensitive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contains: &quot;%1&quot; (not case sensitive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and delete the entire field </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and delete the matching text </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and replace the entire field with &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and replace only the matching text with &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find records where field %1<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 record was left unchanged: the new value would not fit in the field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n records were left unchanged: the new value would not fit in the field.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SearchReplaceCommand</name>
    <message>
        <source>FIELD: %1 cannot be replaced; the fields are %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give ADDRESSFILE FIELD FIND REPLACE</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n records</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Replacement done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchReplaceDialog</name>
    <message>
        <source>LastName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FirstName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Initial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectLabelStockDialog</name>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># Across</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We were unable to open the label definition file: RVPLBLS.DBF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupLookup</name>
    <message>
        <source>letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no %2 is described &quot;%3&quot;; there are %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: more than one %2 is described &quot;%3&quot;; there are %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>label setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>envelope setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Transliteration</name>
    <message>
        <source>The transliteration rules cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnstoredSettings</name>
    <message>
        <source>Your settings cannot be saved in %1, so printer choices, recent files and other settings you change will not be remembered.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UppercaseCommand</name>
    <message>
        <source>--fields: %1 cannot be converted; the fields are %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--fields: no field named</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VcardImport</name>
    <message>
        <source>Importing records</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VcardReader</name>
    <message>
        <source>%1 line %2: not a vCard line (a property name and a colon).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line %2: the character set %3 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line %2: a card begins before the card of line %3 has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line %2: a line outside a card (BEGIN:VCARD ... END:VCARD).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line %2: the card begun here has no END:VCARD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 holds no vCard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WhereOption</name>
    <message>
        <source>give LINE=TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such Filter line; the lines are %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 line is already given by --where &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 line cannot be used in a filter: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipCountCommand</name>
    <message>
        <source>--text writes to standard output; leave out --output and --printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--text prints on no paper; leave out --paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report could not be started on %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipReport</name>
    <message>
        <source>Zip Code Count Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipReportPrinting</name>
    <message>
        <source>Preview Zipcode Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no printers installed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::AsciiImportDialog</name>
    <message>
        <source>ASCII File Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select ASCII File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text file the records are imported from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the delimited text file to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses which Ravenpost field each column of the file goes into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a record for every line of the file, then rebuilds the indexes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First line holds column names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first line is not imported: its names head the columns and choose the field each column goes into. Ticked by itself when the first line holds at least two known column names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character between the values of a line; chosen by itself as the one that splits the first line into the most values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to import from this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not matched, as an earlier column goes into the same field: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::AsciiMatchDialog</name>
    <message>
        <source>ASCII File Import Match Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first lines of the file, one column for each value of a line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASCII Field </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import into RVW Field </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each column of the file and the Ravenpost field it is imported into. Highlight a column, then click the field it goes with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravenpost Data Fields </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaves the highlighted column out of the import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imports the highlighted column into this field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight a column in the list, then click the Ravenpost field it goes with. The next column is highlighted for you. Several columns may go into the Memo field; each becomes a line of the memo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps these matches for the import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window and keeps the matches as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field matches</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::BrowseGrid</name>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::BrowseModel</name>
    <message>
        <source>Last Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip/Postal Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PREFIX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::BulkDialog</name>
    <message>
        <source>Shows how much of the work is done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::CalibratePrinterDialog</name>
    <message>
        <source>Calibrate Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer to calibrate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter (8.5 x 11&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4 (210 x 297mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A5 (148 x 210mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper the calibration page is printed on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the calibration page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the calibration page on the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far the marks landed to the right of where they should be; negative when they landed to the left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far the marks landed below where they should be; negative when they landed above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the correction for this printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes this printer&apos;s correction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured on the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marks landed right by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marks landed down by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where each crosshair should land, from the paper&apos;s left and top edges, and where it is drawn with the correction entered so that it lands there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; prints exactly what is drawn and is never corrected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No correction is kept for this printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept: %1 right, %2 down (inches).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Calibration Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crosshair positions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::ConvertToUppercaseDialog</name>
    <message>
        <source>Convert To Uppercase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert  to uppercase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which fields should be converted to uppercase?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticked: this field is converted to capitals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticks or clears every field at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Record Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Records Matching Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converts only the record shown in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converts every record of the file, whatever the filter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converts the records of the current filter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converts the ticked fields of the chosen records to capitals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window; while converting, stops after the record in hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No fields checked for conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel case conversion?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::CopyRecordsOutDialog</name>
    <message>
        <source>Copy Records Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to a DBF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to an ASCII file (comma delimited)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to a vCard file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the records to a vCard file (.vcf), one card a record, for a phone, a contacts app or a mail program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the records to a new file with the layout of an address file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the records to a text file, one line a record, each value in double quotes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file the records are copied to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the file to copy the records to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the records of the current view to the chosen file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window; while copying, stops and keeps no copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DBF Files|*.DBF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vCard Files|*.VCF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files|*.TXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error copying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel copy?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::DbfImportDialog</name>
    <message>
        <source>DBF File Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select DBF File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DBF file the records are imported from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the DBF file to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses which field of the file goes into each Ravenpost field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a record for every record of the file, then rebuilds the indexes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to import from this file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::DbfMatchDialog</name>
    <message>
        <source>DBF File Import Match Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import DBF File Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records of the file being imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravenpost Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from Field (in %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each Ravenpost field and the field of the file it is imported from. Double-click a row to choose its field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the field of the file for the highlighted row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaves the highlighted Ravenpost field out of the import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empties every row of the field match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps these matches for the import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window without keeping the changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records of the file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::DeleteRecordsDialog</name>
    <message>
        <source>Delete Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Records matching current Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Records which do NOT match current Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empties the whole file, whatever the filter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the records of the current filter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes every record the current filter leaves out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting Records </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the chosen records at once, without asking again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window without deleting anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n records</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>For optimum space usage, please select<byte value="xd"/>
[Rebuild Indexes] from the Utilities menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::DialPhoneDialog</name>
    <message>
        <source>Dial Phone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number the modem dials, exactly as typed. Change it here to dial another number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialled in front of the number, for example 9 and a comma to reach an outside line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modem&apos;s initialization string.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number to Dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modem Initialization String</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port the modem is connected to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dials with touch tones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dials with pulses, for older exchanges.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves these settings and has the modem dial the prefix and number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::Dialog</name>
    <message>
        <source>Opens the help page for this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button, then click any control to read what it does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::DuplicateCheckDialog</name>
    <message>
        <source>Check and Repair Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the check after the record in hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Record Check Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to check:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last + First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last + First Initial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records with the same last and first name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records with the same last name and first letter of the first name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records whose streets begin with the same characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check how many characters of street address (max 30)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many characters at the start of the street are compared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perform Duplicate Check Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looks for possible duplicates by the chosen key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on field to begin editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The possible duplicates, equal keys together. Changes go into the records themselves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check could not be made. Close this window to go back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel operation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible duplicates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::EnvelopeDesignView</name>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %L2 in from left, %L3 in from top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delivery address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::EnvelopeDesignerDialog</name>
    <message>
        <source>Envelope Designer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of this envelope setup in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope Setup Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the setup as designed and closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes without changing the setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the return address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the message line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the postal barcode above the address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show outlines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws a dotted frame around each item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size at which the envelope is shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the mouse to move and resize envelope items. Click the right mouse button on an item to set font or text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose or Define  Envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the envelope size, or defines a size of your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delivery Address Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints this line or piece of the address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the ZIP or postal code is printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print in Uppercase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the address in capitals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please indicate how you normally feed envelopes into your printer (this will help us determine how to print it):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(note: there are many printers and many ways to feed envelopes - this may take some experimenting)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clockwise Rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer turns landscape pages clockwise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the first record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the previous record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the next record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the last record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope Designer pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom %1 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::EnvelopeSizeDialog</name>
    <message>
        <source>Add New Envelope Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The short name of the envelope; it names the size in envelope setups.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A description of the size, shown in the Size column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The width of the envelope (its long side); at least 2 inches (50mm).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of the envelope (its short side); at least 2 inches (50mm).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit in which the width and height are shown and entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks the size and hands it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes without changing anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Envelope Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::FilterPage</name>
    <message>
        <source>Finds the records whose %1 begins with what you type here; capitals or not does not matter.
Start with an operator to compare instead: &gt; after, &gt;= from, &lt; before, &lt;= up to (in alphabetical order), or $ to find the text anywhere in the %1.
Join several: a;b finds either, a+b both, a^b the first but not the second (; joins loosest, then +, then ^). For example: brown;green  or  &gt;=60000+&lt;61000.
Records must match every line that is filled in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds the records with this date, typed in the date format of the preferences.
Start with &gt; for later dates, &gt;= for this date or later, &lt; for earlier dates or &lt;= for this date or earlier; for example &gt;=01/15/1997.
; + and ^ have no meaning on this line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the filter the lines describe and count its records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty every line and show all records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n matches (all records)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rp::FindLabelProductsDialog</name>
    <message>
        <source>Find More Products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brand, product number, description or paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows only the products whose brand, product number, description or paper contain every word typed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Size in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across x Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The label products of the label template files on this computer; choose one and press OK to add it to your labels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the chosen product to your labels and uses it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window without adding a label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No label template files were found. Install the glabels-data package, or import a template file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Products shown: %n.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Products of the files left out: %n (their labels are not rectangles in one grid that a label definition can hold).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Label products</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::FormatToolBar</name>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::GridEditRow</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the current record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the current row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the changes to the record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the changes to the row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discards the changes to the record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discards the changes to the row.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::GridNavigator</name>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves to the first row of the grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves to the previous row of the grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves to the prior row of the grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves to the next row of the grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves to the last row of the grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prior row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last row</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::HelpViewer</name>
    <message>
        <source>Ravenpost Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No help is available for topic %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::ImportDialog</name>
    <message>
        <source>Tells what the import is doing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window; while importing, stops after the record in hand and keeps the records imported so far.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files|*.TXT|All files|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebuilding Indexes </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::ImportFieldDialog</name>
    <message>
        <source>Select Import Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(None)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fields of the file that can go into this Ravenpost field.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::LabelDesignerDialog</name>
    <message>
        <source>Label Setup </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Setup Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name the Print Labels list shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose or Define Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick the label sheet or describe a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick the font of the label text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A smaller font size; hold to keep going.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bigger font size; hold to keep going.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the text up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the text down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the text left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the text right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the text back near the top left corner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City + State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip/Postal code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US Postnet Barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim text to fit label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first record of the address file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The previous record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last record of the address file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep this label setup and close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without keeping the changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a description for this Label Setup record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smaller font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bigger font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::LabelFontDialog</name>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> pt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this font.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close, keeping the font as it was.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::LabelStockDialog</name>
    <message>
        <source>Add Label Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of this label stock, as the label lists show it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The width of one label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of one label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the left edge of one label to the left edge of the next in a row; at least the label width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the top edge of one row to the top edge of the next; at least the label height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the left edge of the sheet to the left edge of the first column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the top edge of the sheet to the top edge of the first row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The width of the sheet as it is fed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of the sheet as it is fed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many labels make one row (1 to 10).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many rows make one sheet (1 to 30).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper the labels come on; a standard size fills in the paper width and height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tractor Fed (Dot Matrix)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick for continuous labels on a dot matrix printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 1000&apos;s of an inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows and takes the lengths in inches, to a thousandth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows and takes the lengths in whole millimetres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># across</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks the definition and keeps it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window without keeping anything.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::LetterDesignerDialog</name>
    <message>
        <source>Letter Designer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name the letter is listed under.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts a field of the address record into the letter where the cursor stands, in square brackets. Each printed letter shows the record&apos;s value there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The letter. Field names in square brackets are replaced by each record&apos;s values when it is printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the letter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window without keeping changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the letter&apos;s paper size and margins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open RTF File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaces the letter with one written in another word processor and saved as RTF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as RTF File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the letter as an RTF file that other word processors open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the letter filled in for the current record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open RTF File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as RTF File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::LetterPreviewDialog</name>
    <message>
        <source>Preview Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The letter for the current record as it will print. Up and Down scroll it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page of the letter you see.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the letter for the first record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the letter for the record before this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the letter for the record after this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the letter for the last record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enlarges the page by a quarter, up to 150 percent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduces the page by a quarter, down to 50 percent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the width of the page fill the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the whole page fit in the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the page of the letter before this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the page of the letter after this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the preview.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error drawing the preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::LetterPrintStatusDialog</name>
    <message>
        <source>Print Status Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the print after the letter in hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter Print Completed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter Print Canceled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel print job?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::MainWindow</name>
    <message>
        <source>A filter is set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rebuild Indexes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Utilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Count Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to have a RVW file open first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravenpost - %1 (read-only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravenpost - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no records in this file<byte value="xd"/>
Press Alt-A to add a new record OR<byte value="xd"/>
From the File menu select<byte value="xd"/>
Import from DBF File  or<byte value="xd"/>
Import from ASCII File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravenpost Files|*.dbf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Must be a DBF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravenpost Files|*.DBF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Must have a .DBF extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That file already exists.Please select another name</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>There are %n records</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n records which match the current filter</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::MemoSearchProgress</name>
    <message>
        <source>Searching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching for: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the search and goes back to the record you were on.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::NewRecordDialog</name>
    <message>
        <source>New Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip Code or Postal Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The city and state of a record with this code are filled in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked for a record with the same names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK [PgDn]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::OrderMenu</name>
    <message>
        <source>&amp;Last Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::PagePropertiesDialog</name>
    <message>
        <source>Page Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit in which the paper size and the margins are shown and typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Paper Size </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The width of the paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of the paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Margins </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The space above the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The space below the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The space left of the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The space right of the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks the page and hands it to the letter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes without changing anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0000000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::PostalBarcodeBox</name>
    <message>
        <source>Postal Barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the POSTNET barcode of the ZIP code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intelligent Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the Intelligent Mail barcode: the ZIP code with your mailer ID and a serial number for each piece.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two digits, the second 0 to 4; 00 when the postal service has not asked for another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The three-digit service type of the mailing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mailer ID the postal service gave you: 6 digits, or 9 beginning with 9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial number the next printed piece takes: up to 9 digits beside a 6-digit mailer ID, up to 6 beside a 9-digit one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mailer ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next serial number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let others work on the open file at the same time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens address files shared, so that other users and programs can add, change and delete records at the same time. A record is locked while it is edited; imports, rebuilding the indexes and the bulk changes still need the file to themselves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How dates are shown and typed: the order of day, month and year, the separator, and two or four digits for the year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> When adding new records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter today&apos;s date in the date field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts today&apos;s date in the date field of every new record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically insert city and state/province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fills in the city and state or province from the ZIP or postal code you type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically check for duplicate names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warns you on saving a new record when a record with the same name is already in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country put in every new record. Leave it empty for lists within one country.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Country Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street Address </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>street address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State/Province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>state or province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip/Postal Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP or postal code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carry forward the following fields:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the %1 of the record on the screen into each new record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps these preferences and closes the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window and leaves the preferences as they were.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::PresortDialog</name>
    <message>
        <source>Bulk Mail Presorting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the presort; the labels are not printed in presort order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel PRESORT?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::PreviewPageView</name>
    <message>
        <source>Print preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::PreviewWindow</name>
    <message>
        <source>The page as it will print. Up and Down scroll it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page 1 of 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page shown and the number of pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page 8888 of 8888</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enlarges the page by 10 percent, up to 200 percent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduces the page by 10 percent, down to 10 percent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom to page width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the width of the page fill the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom to whole page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the whole page fit in the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the first page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the page before this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the page after this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the last page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the preview.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Zipcode Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::PrintEnvelopeDialog</name>
    <message>
        <source>Print Envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Envelope Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your envelope setups. Choose the one to print with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes the selected envelope setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes a new envelope setup from the selected one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the selected envelope setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer, paper source and paper the envelope goes to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the printer&apos;s paper source, paper and orientation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the envelope of the current record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the envelope of the current record on screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope setups</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::PrintLabelsDialog</name>
    <message>
        <source>Print Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your label setups; the one chosen prints.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designs a new label setup, starting from the one chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes the chosen label setup in the designer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the chosen label setup, after asking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Label Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records matching filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only current record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints a label for every record of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints labels for the records of the filter in force.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints labels for the record shown in the main window only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start from current record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with the record shown in the main window instead of the first record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presort for Bulk Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the labels in bulk-mail presort order, each group after a label naming it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One per household</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints one label for the records with the same street and ZIP code, addressed to the household (&quot;The Smith Family&quot; when their last names agree).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many labels to print for each record, side by side.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># copies of each label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer the labels go to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets up the chosen printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the labels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the labels as they will print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first free label of the first sheet, counted across, then down; the labels before it stay empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the first free label of a partly used sheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label setups</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::PrintLettersDialog</name>
    <message>
        <source>Print Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your letters. Choose the one to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes a new letter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes the selected letter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the selected letter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records matching filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only current record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A letter for every record of the address file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A letter for every record your filter shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One letter, for the current record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start from current record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begins with the current record instead of the first one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many copies of each record&apos;s letter to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># copies of each letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer the letters go to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the printer&apos;s settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the selected letter for the chosen records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the selected letter for the chosen records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The letter could not be read whole.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::PrintReportDialog</name>
    <message>
        <source>Print Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report for: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title printed at the top of every page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The columns of the report and their order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Report:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints each record&apos;s memo under it, in a shaded band.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints each record&apos;s codes under it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records matching filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only current record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every record of the address file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records your filter shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record you see in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start from current record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begins with the current record instead of the first one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the report on screen first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the printer&apos;s settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window, keeping the title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report layouts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::PrintStatusDialog</name>
    <message>
        <source>Preview Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the preview; the pages made so far are shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops printing after asking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing Page %p<byte value="xd"/>%0<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::RebuildIndexesDialog</name>
    <message>
        <source>Rebuild indexes for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far the rebuilding of the address file has come.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is being rebuilt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reindex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the deleted records from the address file for good and builds the indexes of the address file and of the program&apos;s own tables afresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window and leaves the files as they are.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::RecordEditor</name>
    <message>
        <source>This record is being changed by another user. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This record was changed by another user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel changes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::RecordPage</name>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State or Prov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip or Postal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last name; the Last Name order sorts by it and then by the first name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The middle initial, in capitals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The salutation prefix, such as Mr. or Ms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The job title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The organisation or company line of the address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The street line of the address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The city.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The state or province.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZIP or postal code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country; a new record may get the default country of the preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A date kept for this person, typed in the date format shown beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The telephone number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fax number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-mail address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your selection codes; the filter can pick records by them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free notes of any length. Typing here starts editing the record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted by another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Open or Create a Ravenpost file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters the address file cannot hold were written in their closest spelling.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::ReturnAddressDialog</name>
    <message>
        <source>Return Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lines of the return address, one per line; the first five are printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses these lines as the return address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes without changing the return address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return address lines</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::SearchPromptDialog</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The beginning of what you look for, in any letter case. The search goes to the first record in the current order that begins with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search For</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word or phrase to find anywhere in the memos, in any letter case. Find Next goes on to the next record that holds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::SearchReplaceDialog</name>
    <message>
        <source>Search and Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replacing Records </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Describes the change and, once you agree, makes it in every record chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window without changing any record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for field:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field whose values are searched and replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the field value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is exactly equal to  (leave empty for blank)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records whose field holds the value and nothing else; with an empty value, records whose field is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records whose field holds the value anywhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value to look for. Leave it empty to find records whose field is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When ticked, capitals and small letters must match as typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>And do this action:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the whole field with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field of each record found gets the new value; an empty value empties it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace only the matching text with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each occurrence of the value looked for is replaced; the rest of the field stays. A record whose field would grow wider than the field is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new text. Leave it empty to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every record of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records matching current Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the records of the filter set on the Filter page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n records</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Replacement done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::SelectEnvelopeSizeDialog</name>
    <message>
        <source>Select Envelope Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The envelope sizes. Choose one and press OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds an envelope size of your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes an envelope size you added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes an envelope size you added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes the selected envelope size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope sizes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::SelectLabelStockDialog</name>
    <message>
        <source>Select Label Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laser or Inkjet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dot Matrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the label sheets for laser and inkjet printers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the continuous labels for dot matrix printers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The label stocks; choose one and press OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find More Products…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Label Products…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the label products of the label template files on this computer and adds the one you choose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the label products of a label template file you pick and adds the one you choose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a label stock, starting from the one chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes the chosen label stock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the chosen label stock from the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses the chosen label stock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window and keeps the label stock as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a predefined Avery label.<byte value="xd"/>Changing it may result in incorrect output.<byte value="xd"/>Are you sure you wish to modify it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Label Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this label?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a predefined Avery label. Are you sure you wish to delete it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Label Products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Template Files|*.xml *.template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some label template files could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label stocks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::StartScreen</name>
    <message>
        <source>About Ravenpost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::StateZipCheckDialog</name>
    <message>
        <source>Check State and Zip  Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit State/Province File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the State/Province file for editing; click again to stop editing it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the check after the record in hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check For State/Province  &amp; Zipcode/Postal Code Anomolies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A check will be performed by comparing the records in the file against the State/Province file, which contains a list of State/Zip Province/Postcode combinations. This file may be edited or added bo by clicking the &apos;Edit State/Province File&apos; button below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include records with blank State/Province or Zip/Postcode entries?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticked: records with an empty state or ZIP are checked too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perform Check Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks every record of the file against the State/Province file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These records have questionable state/zip or province/postcode combinations. You may edit the contents to make changes. When you are done, press the Close button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records found by the check, by last and first name. Changes go into the records themselves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts editing the current record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the changes to the record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discards the changes to the record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make changes to the State/Province file to best reflect your country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on field to begin editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The State/Province file: one range of ZIP or postal codes per row. Click a field to change it; Insert adds a row at the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open RVPSZCK.DBF</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Found %n records with questionable state or zipcodes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Zip/Postal Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State/Province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel operation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State or Province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Zip/Post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending Zip/Post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State/Province ZIP ranges</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::VcardImportDialog</name>
    <message>
        <source>vCard File Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select vCard File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vCard file the records are imported from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the vCard file (.vcf) of a contacts app or mail program and reads its cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a record for every card of the file, then rebuilds the indexes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vCard files|*.VCF|All files|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to import from this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Cards in the file: %n.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rp::WhatsThisMenu</name>
    <message>
        <source>What&apos;s this?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rp::ZipCountDialog</name>
    <message>
        <source>Count Zip Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting the number of occurrences of each zip code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the count; nothing is printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Count?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the count of each ZIP code, four columns to a page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the report on the screen before printing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the printer and its paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished counting. Press Print or Preview for the report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
