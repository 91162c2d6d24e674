#pragma once
// One envelope drawn on a report canvas, in inches: the return address, the message line,
// the delivery address block and its barcode at the setup's positions, all shifted by the
// feed offset that follows from how the printer takes the envelope (page orientation, face up
// or down, where across the feeder it lies). A preview on a page larger than the envelope
// also shows a stamp in the envelope's top right corner.
#include <QImage>
#include <QPointF>
#include <QSizeF>

#include "envelopes/EnvelopeSetup.h"
#include "framework/PrintStatusDialog.h"
#include "mailpiece/AddressBlock.h"
#include "mailpiece/PostalBarcode.h"

namespace rp {

class ReportCanvas;

// The position across the feeder as the run uses it: POSITION without the 10 of "Clockwise
// Rotation", Left and Right swapped when that is ticked (the envelope is turned the other way).
FeedMethod runFeedMethod(std::int32_t storedPosition);

// Whether the page is not exactly the envelope: width or height differ in their whole tenths
// of an inch.
bool pageDiffersFromEnvelope(QSizeF page, QSizeF envelope);

// Where the envelope's top-left corner lies on the page (PW, PH after the orientation is
// set), the printer's unprintable margins added, neither coordinate below 0.
QPointF envelopeFeedOffset(const EnvelopeSetup& setup, QSizeF page, QPointF unprintable);

// Whether the setup puts the delivery address on its envelope: its top-left corner on the
// envelope with room for one letter of its font (DELFSIZE points) to the right and below.
bool deliveryOnEnvelope(const EnvelopeSetup& setup);
// Throws the refusal naming the setup when its delivery address lies off the envelope, so
// that nothing is printed.
void requireDeliveryOnEnvelope(const EnvelopeSetup& setup);

// The preview's stamp picture.
const QImage& stampPicture();

// Before the page: the setup is refused when its delivery address lies off the envelope;
// then landscape when ORIENT is 1, else portrait.
void beforePrintEnvelope(ReportCanvas& canvas, const EnvelopeSetup& setup);

// The one page of the envelope, on a started canvas whose paper and orientation are set; the
// barcode comes from barcoder, POSTNET when there is none.
void printEnvelope(ReportCanvas& canvas, const EnvelopeSetup& setup, const AddressValues& address,
                   bool preview, PieceBarcoder* barcoder = nullptr);

// The whole run on a canvas whose paper is set: orientation, start, the page.
void runEnvelope(ReportCanvas& canvas, const EnvelopeSetup& setup, const AddressValues& address,
                 bool preview, PieceBarcoder* barcoder = nullptr);

// The print status window's texts for envelopes (Cancel aborts a print without asking).
PrintStatusTexts envelopeStatusTexts();

}  // namespace rp
