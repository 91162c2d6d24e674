#pragma once
// The topics of the help pages, named for the window or page they explain; each number is the
// page's own (share/help/<number>.html), which the pages also use to link to each other.
namespace rp {

struct HelpTopic {
    enum Number : int {
        None = 0,  // a window without a page of its own: its Help button is disabled
        EnvelopeSizeEdit = 1000,
        LabelStockEdit = 1001,
        AsciiImport = 1003,
        AsciiMatch = 1004,
        Browse = 1005,
        DuplicateCheck = 1007,
        StateZipCheck = 1008,
        Contents = 1010,
        ConvertToUppercase = 1011,
        CopyRecordsOut = 1012,
        DbfImport = 1015,
        DbfMatch = 1016,
        DeleteRecords = 1017,
        Dialer = 1018,
        EnvelopeDesigner = 1019,
        Filter = 1020,
        LabelDesigner = 1025,
        LetterDesigner = 1026,
        RecordPage = 1027,
        Preferences = 1030,
        PreviewEnvelope = 1031,
        PreviewLabels = 1032,
        PreviewLetters = 1033,
        PreviewReport = 1034,
        PrintEnvelope = 1035,
        PrintLabels = 1036,
        PrintLetters = 1037,
        PrintReport = 1038,
        RebuildIndexes = 1039,
        ReturnAddress = 1040,
        SelectEnvelopeSize = 1041,
        SelectLabelStock = 1042,
        VcardImport = 1043,
        LanguagesAndShortcuts = 1044,
        SearchReplace = 4570,
        CountZipCodes = 4571,
        PreviewZipCount = 4572,
        CalibratePrinter = 4576,
        FindLabelProducts = 4575,
    };
};

}  // namespace rp
