#pragma once
// Engine-wide settings that change how tables are navigated and how expressions behave.
#include <string>

namespace xbase {

struct Settings {
    // Records carrying the deletion mark are skipped by navigation and counts.
    bool hideDeleted = false;
    // With exact matching off, "=" and the ordering operators compare only as many characters
    // as the right operand has; seeks match keys that begin with the sought text.
    bool exact = false;
    // A failed seek stands on the next greater key instead of at the end.
    bool softSeek = false;
    // Dates are written and read with four-digit years.
    bool century = false;
    // Date pattern for CTOD and DTOC: "mm", "dd" and "yy" or "yyyy" in any order with any
    // separators (case-insensitive). "yy" becomes "yyyy" when century is on.
    std::string dateFormat = "mm/dd/yy";
    // How long an append by a shared open waits for the table's header lock while another open
    // or program holds it, before it gives up with LockedError.
    int lockWaitMilliseconds = 3000;
};

}  // namespace xbase
