#pragma once
// The Intelligent Mail barcode (the postal service's 4-state barcode): the mailer's tracking
// code (barcode identifier, service type, mailer ID, serial number) and the routing code (the
// ZIP's digits), checked here and encoded by libzint into 65 bars, each one of four kinds.
#include <QRectF>
#include <QString>
#include <cstdint>
#include <vector>

namespace rp {

// A bar reaches up (ascender), down (descender), both ways (full) or neither (tracker only).
enum class FourStateBar { Full, Ascender, Descender, Tracker };

inline constexpr int kIntelligentMailBars = 65;

// The nominal measures of the printed barcode, in inches: bar width, bars 22 to the inch, the
// full bar's height and the tracker's, which stands in the middle of the full bar's height.
inline constexpr double kFourStateBarWidth = 0.020;
inline constexpr double kFourStatePitch = 1.0 / 22;
inline constexpr double kFourStateFullHeight = 0.145;
inline constexpr double kFourStateTrackerHeight = 0.048;

// Bar number index of a barcode whose top-left corner is at (0, 0).
QRectF fourStateBarRect(FourStateBar bar, int index);

// The mailer's part of the barcode as typed; the serial is a number, written with leading
// zeros to its length (9 digits beside a 6-digit mailer ID, 6 beside a 9-digit one).
struct MailerTracking {
    QString barcodeId;    // 2 digits, the second 0 to 4
    QString serviceType;  // 3 digits
    QString mailerId;     // 6 digits beginning 0-8, or 9 digits beginning with 9
    std::uint64_t serial = 0;
};

// What is wrong with each part, as a message for the user; empty when it is right. The serial
// is checked as typed (digits only, at most the length the mailer ID allows); a serial length
// cannot be decided before the mailer ID is right.
QString barcodeIdProblem(const QString& barcodeId);
QString serviceTypeProblem(const QString& serviceType);
QString mailerIdProblem(const QString& mailerId);
QString serialProblem(const QString& serial, const QString& mailerId);
// The first problem of the four parts; empty when the tracking code is right.
QString trackingProblem(const MailerTracking& tracking);
// The same for the four parts as typed, the serial as text.
QString typedTrackingProblem(const QString& barcodeId, const QString& serviceType,
                             const QString& mailerId, const QString& serial);

// 9 beside a 6-digit mailer ID, otherwise 6.
int serialLength(const QString& mailerId);
// The serial that follows: one more, back to 0 past the largest the length can hold.
std::uint64_t followingSerial(std::uint64_t serial, const QString& mailerId);

// The routing code of a ZIP as typed: its digits, which must number 0, 5, 9 or 11; only the
// digits "0" to "9", blanks and hyphens may be typed. The problem as a message, or empty.
QString routingProblem(const QString& zip);

// The 20 digits of the tracking code.
QString trackingDigits(const MailerTracking& tracking);

// The 65 bars, left to right, for a right tracking code and a routing code of 0, 5, 9 or 11
// digits. Throws std::invalid_argument with the reason otherwise.
std::vector<FourStateBar> intelligentMailBars(const MailerTracking& tracking,
                                              const QString& routingDigits);

// The bars as the postal service writes them: A, D, F and T.
QString barLetters(const std::vector<FourStateBar>& bars);

}  // namespace rp
