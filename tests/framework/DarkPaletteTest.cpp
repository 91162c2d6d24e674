// Under a desktop's dark palette the dialogs keep their light background picture, and the
// texts drawn on it stay dark enough to read.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "framework/Dialog.h"
#include "support/ContrastChecks.h"

namespace rp {
namespace {

struct ContrastCase {
    QColor ink;
    QColor ground;
    double ratio;
};

TEST(ContrastRatio, FollowsTheWcagFormula) {
    const ContrastCase cases[] = {
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::white, 1.0},
        {QColor(0x76, 0x76, 0x76), Qt::white, 4.54},
        {QColor(0x77, 0x77, 0x77), Qt::white, 4.48},
        {QColor(0x80, 0x00, 0x80), QColor(0x35, 0x35, 0x35), 1.30},
    };
    for (const ContrastCase& c : cases) {
        EXPECT_NEAR(contrastRatio(c.ink, c.ground), c.ratio, 0.005) << c.ink.name().toStdString();
        EXPECT_NEAR(contrastRatio(c.ground, c.ink), c.ratio, 0.005) << c.ink.name().toStdString();
    }
}

TEST(DarkPalette, DialogTextsStayDarkOnTheBackgroundPicture) {
    DarkPaletteScope dark;
    Dialog dialog(nullptr, HelpTopic::None);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Name:")));
    layout->addWidget(new QCheckBox(QStringLiteral("Upper case")));
    auto* group = new QGroupBox(QStringLiteral("Print"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(new QRadioButton(QStringLiteral("All records")));
    layout->addWidget(group);
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    dialog.show();

    EXPECT_EQ(lowContrastTexts(dialog).join('\n').toStdString(), "");
    EXPECT_EQ(dialog.findChild<QPushButton*>()->palette().color(QPalette::Button),
              QColor(0x35, 0x35, 0x35));  // the desktop's buttons stay as they are
}

}  // namespace
}  // namespace rp
