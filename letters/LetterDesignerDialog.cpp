#include "letters/LetterDesignerDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "data/FieldText.h"
#include "data/WholeFile.h"
#include "framework/ErrorReport.h"
#include "framework/FileChooser.h"
#include "framework/Messages.h"
#include "letters/FormatToolBar.h"
#include "letters/LetterDocument.h"
#include "letters/LetterEditor.h"
#include "letters/LettersFile.h"
#include "letters/MergeCodes.h"
#include "letters/PagePropertiesDialog.h"
#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"

namespace rp {
namespace {

constexpr char kRtfFilter[] =
    QT_TRANSLATE_NOOP("rp::LetterDesignerDialog", "Rich Text Files|*.rtf");

std::optional<PageLayout> runPageProperties(QWidget* parent, const PageLayout& current) {
    PagePropertiesDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.layout();
}

}  // namespace

LetterDesignerDialog::LetterDesignerDialog(const QString& description, const QTextDocument* letter,
                                           QWidget* parent)
    : Dialog(parent, HelpTopic::LetterDesigner) {
    setWindowTitle(tr("Letter Designer"));
    askPageLayout = [this](const PageLayout& current) { return runPageProperties(this, current); };

    description_ = new QLineEdit(description, this);
    description_->setMaxLength(kLetterDescriptionWidth);
    description_->setWhatsThis(tr("The name the letter is listed under."));
    auto* descriptionLabel = new QLabel(tr("Description"), this);
    descriptionLabel->setBuddy(description_);

    fields_ = new QComboBox(this);
    for (const char* name : kMergeCodeNames) fields_->addItem(QString::fromLatin1(name));
    fields_->setCurrentIndex(0);
    fields_->setWhatsThis(
        tr("Puts a field of the address record into the letter where the cursor "
           "stands, in square brackets. Each printed letter shows the record's "
           "value there."));
    connect(fields_, &QComboBox::activated, this,
            guarded([this](int index) { insertField(index); }));
    auto* fieldsLabel = new QLabel(tr("Insert field"), this);
    fieldsLabel->setBuddy(fields_);

    auto* top = new QHBoxLayout;
    top->addWidget(descriptionLabel);
    top->addWidget(description_, 1);
    top->addSpacing(12);
    top->addWidget(fieldsLabel);
    top->addWidget(fields_);

    editor_ = new LetterEditor(this);
    editor_->setAccessibleName(tr("Letter text"));
    editor_->setWhatsThis(
        tr("The letter. Field names in square brackets are "
           "replaced by each record's values when it is printed."));
    useDocument(letter ? copyLetterDocument(*letter) : newLetterDocument());
    auto* toolBar = new FormatToolBar(editor_, this);

    auto* save = makeCommandButton(tr("Save"), tr("Keeps the letter."), this);
    auto* cancel =
        makeCommandButton(tr("Cancel"), tr("Closes this window without keeping changes."), this);
    auto* pageSetup =
        makeCommandButton(tr("Page Setup"), tr("Sets the letter's paper size and margins."), this);
    auto* openRtf = makeCommandButton(tr("Open RTF File…"),
                                      tr("Replaces the letter with one written in another "
                                         "word processor and saved as RTF."),
                                      this);
    auto* saveRtf = makeCommandButton(
        tr("Save as RTF File…"),
        tr("Writes the letter as an RTF file that other word processors open."), this);
    preview_ = makeCommandButton(tr("Preview"),
                                 tr("Shows the letter filled in for the current record."), this);
    connect(save, &QPushButton::clicked, this, guarded([this] { onSaveClicked(); }));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(pageSetup, &QPushButton::clicked, this, guarded([this] { onPageSetupClicked(); }));
    connect(openRtf, &QPushButton::clicked, this, guarded([this] { onOpenRtfClicked(); }));
    connect(saveRtf, &QPushButton::clicked, this, guarded([this] { onSaveRtfClicked(); }));
    connect(preview_, &QPushButton::clicked, this, guarded([this] { onPreviewClicked(); }));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makePointerHelpButton());
    for (QPushButton* b : {pageSetup, openRtf, saveRtf, preview_}) buttons->addWidget(b);
    buttons->addStretch();
    for (QPushButton* b : {save, cancel}) buttons->addWidget(b);
    buttons->addWidget(makeHelpButton());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(toolBar);
    layout->addWidget(editor_, 1);
    layout->addLayout(buttons);
    // Wide enough for every button of the toolbar, whose names are longer in some languages.
    resize(std::max(860, sizeHint().width()), 640);
}

LetterDesignerDialog::~LetterDesignerDialog() {
    editor_->setDocument(nullptr);  // the editor must not keep a pointer to document_
}

void LetterDesignerDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    preview_->setEnabled(preview != nullptr);
    editor_->setFocus();
}

QString LetterDesignerDialog::description() const {
    return description_->text();
}

std::unique_ptr<QTextDocument> LetterDesignerDialog::takeDocument() {
    auto letter = std::move(document_);
    useDocument(newLetterDocument());
    return letter;
}

void LetterDesignerDialog::useDocument(std::unique_ptr<QTextDocument> document) {
    document->clearUndoRedoStacks();  // undo starts with the letter as loaded
    editor_->setDocument(document.get());
    document_ = std::move(document);
    fitEditorToPage();
}

void LetterDesignerDialog::fitEditorToPage() {
    editor_->setLineWrapMode(QTextEdit::FixedPixelWidth);
    editor_->setLineWrapColumnOrWidth(
        textWidthPixels(pageLayout(*document_), editor_->logicalDpiX()));
}

void LetterDesignerDialog::insertField(int index) {
    if (index < 0 || index >= static_cast<int>(kMergeCodeNames.size())) return;
    editor_->textCursor().insertText(mergeCode(QString::fromLatin1(kMergeCodeNames[index])));
    editor_->setFocus();
    editor_->viewport()->update();
}

void LetterDesignerDialog::onSaveClicked() {
    QString refused;
    if (!toFieldBytes(description(), &refused)) {
        showInformation(unstorableMessage(refused));
        description_->setFocus();
        return;
    }
    accept();
}

void LetterDesignerDialog::onPageSetupClicked() {
    if (const std::optional<PageLayout> chosen = askPageLayout(pageLayout(*document_))) {
        setPageLayout(*document_, *chosen);
        fitEditorToPage();
    }
}

void LetterDesignerDialog::onOpenRtfClicked() {
    FileRequest request;
    request.caption = tr("Open RTF File");
    request.filter = tr(kRtfFilter);
    request.folder = QDir::homePath();
    request.mustExist = true;
    const std::optional<QString> path = fileChooser().openFile(request);
    if (!path) return;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        showInformation(withCause(tr("Unable to read %1").arg(*path), file.errorString()));
        return;
    }
    auto letter = newLetterDocument();
    QStringList notes;
    if (const auto fault = readRtf(file.readAll(), *letter, &notes)) {
        showInformation(withCause(tr("Unable to read %1").arg(*path), *fault));
        return;
    }
    useDocument(std::move(letter));
    if (!notes.isEmpty()) showInformation(notes.join(u'\n'));
}

void LetterDesignerDialog::onSaveRtfClicked() {
    FileRequest request;
    request.caption = tr("Save as RTF File");
    request.filter = tr(kRtfFilter);
    request.folder = QDir::homePath();
    request.proposedName = QStringLiteral("letter.rtf");
    request.defaultSuffix = QStringLiteral("rtf");
    request.confirmOverwrite = true;
    const std::optional<QString> path = fileChooser().newFile(request);
    if (!path) return;
    WholeFile file(*path);
    if (!file.open() || !file.write(writeRtf(*document_)) || !file.commit())
        showInformation(withCause(tr("Unable to write %1").arg(*path), file.cause()));
}

void LetterDesignerDialog::onPreviewClicked() {
    if (preview) preview(*document_);
}

}  // namespace rp
