#include "mailpiece/PostalBarcode.h"

#include "data/IniFile.h"
#include "mailpiece/BarSection.h"
#include "mailpiece/Postnet.h"

namespace rp {
namespace {

const QString kSection = QString::fromLatin1(kPostalBarcodeSection);
const QString kIntelligentMail = QStringLiteral("IntelligentMail");

}  // namespace

PostalBarcodeSettings loadPostalBarcode(const SettingRead& read) {
    PostalBarcodeSettings s;
    if (read(kSection, QStringLiteral("Symbology")) == kIntelligentMail)
        s.symbology = BarcodeSymbology::IntelligentMail;
    s.tracking.barcodeId = read(kSection, QStringLiteral("BarcodeId"));
    s.tracking.serviceType = read(kSection, QStringLiteral("ServiceType"));
    s.tracking.mailerId = read(kSection, QStringLiteral("MailerId"));
    s.tracking.serial = read(kSection, QStringLiteral("NextSerial")).toULongLong();
    return s;
}

PostalBarcodeSettings loadPostalBarcode(const IniFile& ini) {
    return loadPostalBarcode([&ini](const QString& section, const QString& key) {
        return ini.readString(section, key);
    });
}

void savePostalBarcode(IniFile& ini, const PostalBarcodeSettings& settings) {
    ini.writeString(kSection, QStringLiteral("Symbology"),
                    settings.symbology == BarcodeSymbology::IntelligentMail
                        ? kIntelligentMail
                        : QStringLiteral("POSTNET"));
    ini.writeString(kSection, QStringLiteral("BarcodeId"), settings.tracking.barcodeId);
    ini.writeString(kSection, QStringLiteral("ServiceType"), settings.tracking.serviceType);
    ini.writeString(kSection, QStringLiteral("MailerId"), settings.tracking.mailerId);
    saveNextSerial(ini, settings.tracking.serial);
}

void saveNextSerial(const SettingWrite& write, std::uint64_t serial) {
    write(kSection, QStringLiteral("NextSerial"), QString::number(serial));
}

void saveNextSerial(IniFile& ini, std::uint64_t serial) {
    saveNextSerial([&ini](const QString& section, const QString& key,
                          const QString& value) { ini.writeString(section, key, value); },
                   serial);
}

PieceBarcoder::PieceBarcoder(PostalBarcodeSettings settings) : settings_(std::move(settings)) {}

void PieceBarcoder::draw(ReportCanvas& canvas, const QString& zip, const QString& street) {
    const QString text = barcodeText(zip, street);
    if (settings_.symbology == BarcodeSymbology::Postnet) {
        barSection(canvas, text);
        return;
    }
    fourStateSection(canvas, intelligentMailBars(settings_.tracking, digitsOnly(text)));
    settings_.tracking.serial =
        followingSerial(settings_.tracking.serial, settings_.tracking.mailerId);
    ++serialsUsed_;
}

}  // namespace rp
