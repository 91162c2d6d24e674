#pragma once
// The in-memory copy of one row of the envelope setup file RVPESU.DBF, passed
// between the Print Envelope dialog, the envelope designer and the envelope print run; its
// default; reading it from and writing it to the setup file's current record; and the
// decoding of the feed method.
#include <QString>
#include <array>
#include <cstdint>

#include "mailpiece/AddressContents.h"
#include "mailpiece/BoundedText.h"

namespace xbase {
class Table;
}

namespace rp {

// Members in the order of the file's fields; each is stored in the field of the same name.
struct EnvelopeSetup {
    BoundedText<50> descript;                 // DESCRIPT
    BoundedText<20> envName;                  // ENVNAME: NAME of the envelope size
    bool useReturn = false;                   // USERETURN
    bool useMessage = false;                  // USEMESSAGE
    float retTop = 0;                         // RETTOP, inches from the envelope's top edge
    float retLeft = 0;                        // RETLEFT, inches from the envelope's left edge
    BoundedText<50> retFontName;              // RETFNAME
    std::int32_t retFontSize = 0;             // RETFSIZE, points
    bool retFontBold = false;                 // RETFBOLD
    bool retFontItalic = false;               // RETFITALIC
    std::array<BoundedText<40>, 5> retLines;  // RETLINE1 .. RETLINE5
    float messTop = 0;                        // MESSTOP
    float messLeft = 0;                       // MESSLEFT
    BoundedText<50> messFontName;             // MESSFNAME
    std::int32_t messFontSize = 0;            // MESSFSIZE
    bool messFontBold = false;                // MESSFBOLD
    bool messFontItalic = false;              // MESSFITAL
    BoundedText<50> messText;                 // MESSTEXT
    float delTop = 0;                         // DELTOP
    float delLeft = 0;                        // DELLEFT
    BoundedText<50> delFontName;              // DELFNAME
    std::int32_t delFontSize = 0;             // DELFSIZE
    bool delFontBold = false;                 // DELFBOLD
    bool delFontItalic = false;               // DELFITAL
    bool barcode = false;                     // BARCODE
    // NAME, TITLE, COMPANY, STREET, CITYSTATE, ZIP, PHONE, COUNTRY, ZIPOPTIONS, UPPERCASE
    AddressContents contents;
    float envWidth = 0;         // ENVWIDTH, copied from the definition
    float envHeight = 0;        // ENVHEIGHT
    std::int32_t orient = 0;    // ORIENT: 0 "Portrait", 1 "Landscape"
    std::int32_t facing = 0;    // FACING: 0 "Up", 1 "Down"
    std::int32_t position = 0;  // POSITION: 0 "Left", 1 "Right", 2 "Center"; +10 clockwise

    bool operator==(const EnvelopeSetup&) const = default;
};

// The setup of an empty setup file: "Default Envelope Setup" for an "Envelope #10".
EnvelopeSetup defaultEnvelopeSetup();

// The DESCRIPT of the copy that "New" hands to the designer (stored data, not translated).
inline constexpr char kUntitledEnvelopeSetup[] = "{Untitled Envelope Setup Record}";

// The setup of the setup file's current record, or the default setup when there is none.
EnvelopeSetup readEnvelopeSetup(const xbase::Table& setups);

// Stores all 44 members into the current record (a just-appended record stays appended),
// each float first rounded to 3 decimals, and posts. Throws std::runtime_error (the engine's
// xbase::Error, or a message naming a character the file cannot hold) and then leaves the
// record as it was.
void writeEnvelopeSetup(xbase::Table& setups, const EnvelopeSetup& setup);

// The feed method's POSITION, taken apart: 0 Left, 1 Right, 2 Center, and whether
// "Clockwise Rotation" is ticked (stored as 10 more: any value from 10 up). Any other
// position (below 0, 3 to 9, 13 and up) reads as Center.
enum class FeedPosition { Left = 0, Right = 1, Center = 2 };
struct FeedMethod {
    FeedPosition position = FeedPosition::Center;
    bool clockwise = false;
};
FeedMethod decodePosition(std::int32_t stored);
std::int32_t encodePosition(FeedMethod method);

// "Left", "Right", "Center"; "Portrait", "Landscape"; "Up", "Down".
QString positionName(FeedPosition position);
QString orientationName(std::int32_t orient);
QString facingName(std::int32_t facing);

}  // namespace rp
