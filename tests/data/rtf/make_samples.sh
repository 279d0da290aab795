#!/bin/sh
# Made once with LibreOffice Writer 7.4 (Debian package libreoffice-writer-nogui);
# the .rtf files are kept, this only documents how they came about.
set -e
cd "$(dirname "$0")"
soffice --headless --infilter="Text (encoded):UTF8,CRLF,,," --convert-to rtf lo_plain.txt --outdir .
soffice --headless --writer --convert-to rtf lo_formatted.html --outdir .
