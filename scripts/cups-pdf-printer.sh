#!/bin/sh
# Gives a machine without printers a real printer queue for the printing tests: starts cupsd when
# it is not running and adds the cups-pdf printer "PDF" (or the name given), which writes every
# job as a PDF file into ~/PDF. Needs the packages cups and printer-driver-cups-pdf, and root.
set -e
QUEUE="${1:-PDF}"
# lpstat -r says whether the scheduler runs; its status is 0 either way.
running() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }
if ! running; then
    cupsd
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        running && break
        sleep 0.5
    done
fi
lpstat -p "$QUEUE" >/dev/null 2>&1 ||
    lpadmin -p "$QUEUE" -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
lpstat -p "$QUEUE"
