#pragma once
// The texts behind a POSTNET barcode: which ZIP codes get one, what it encodes, and its
// correction digit.
#include <QString>

namespace rp {

// The characters "0" to "9" of text, in order.
QString digitsOnly(const QString& text);

// Whether c is one of "0" to "9" (not a digit of another script, such as a full-width one).
bool isZipDigit(QChar c);

// Whether c may be typed in a ZIP code: "0" to "9", a blank or a hyphen.
bool isZipCharacter(QChar c);

// The digit that brings the digit sum of digits up to a multiple of 10, as one character.
QString postnetCheckDigit(const QString& digits);

// Whether a barcode is printed for a ZIP (as the file holds it, no trailing blanks): the
// setup asks for barcodes, the ZIP has at least 5 characters, lies between "00000" and
// "99999-9999" in character order, and holds 5 or 9 digits, the only lengths a POSTNET
// ZIP code has, and no digit other than "0" to "9" (whose value the barcode would lose).
bool barcodeEligible(bool barcodeOn, const QString& zip);

// What the barcode encodes: the ZIP, and for a ZIP+4 in its ten-character form (12345-6789)
// the delivery point of the street line.
QString barcodeText(const QString& zip, const QString& street);

}  // namespace rp
