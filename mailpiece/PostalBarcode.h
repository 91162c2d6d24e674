#pragma once
// Which postal barcode the mail pieces carry, POSTNET or the Intelligent Mail barcode with the
// mailer's tracking code, kept in the initialisation file's [PostalBarcode] section; and the
// barcode of each printed piece, drawn where the setups place the barcode.
#include <QString>
#include <cstdint>
#include <functional>

#include "mailpiece/IntelligentMail.h"

namespace rp {

class IniFile;
class ReportCanvas;

enum class BarcodeSymbology { Postnet, IntelligentMail };

struct PostalBarcodeSettings {
    BarcodeSymbology symbology = BarcodeSymbology::Postnet;
    MailerTracking tracking;  // serial: the next piece's
};

inline constexpr char kPostalBarcodeSection[] = "PostalBarcode";

// Reading and writing one key of a section of the preferences file (a missing key reads empty).
using SettingRead = std::function<QString(const QString& section, const QString& key)>;
using SettingWrite =
    std::function<void(const QString& section, const QString& key, const QString& value)>;

// Missing keys: POSTNET, and an empty tracking code with serial 0.
PostalBarcodeSettings loadPostalBarcode(const SettingRead& read);
PostalBarcodeSettings loadPostalBarcode(const IniFile& ini);
// Writes all five keys.
void savePostalBarcode(IniFile& ini, const PostalBarcodeSettings& settings);
// Writes the next serial alone, after a completed print run.
void saveNextSerial(const SettingWrite& write, std::uint64_t serial);
void saveNextSerial(IniFile& ini, std::uint64_t serial);

// The barcodes of one run: each Intelligent Mail barcode takes the next serial.
class PieceBarcoder {
  public:
    explicit PieceBarcoder(PostalBarcodeSettings settings = {});

    // The barcode of a piece for zip and street (a ZIP barcodeEligible() accepts) with its top-left
    // corner at the canvas's current position; the current position is left undefined. A wrong
    // tracking code throws std::invalid_argument with the reason.
    void draw(ReportCanvas& canvas, const QString& zip, const QString& street);

    BarcodeSymbology symbology() const { return settings_.symbology; }
    // The serial the next Intelligent Mail piece takes.
    std::uint64_t nextSerial() const { return settings_.tracking.serial; }
    // How many pieces took a serial.
    std::uint64_t serialsUsed() const { return serialsUsed_; }

  private:
    PostalBarcodeSettings settings_;
    std::uint64_t serialsUsed_ = 0;
};

}  // namespace rp
