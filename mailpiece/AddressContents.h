#pragma once
// What a label or envelope setup prints of the address: one switch per part, and where the
// ZIP goes when it is printed.
namespace rp {

// Stored in the setups as the integers 1 to 4.
enum class ZipPlacement {
    AfterState = 1,
    BeforeCity = 2,
    AfterCountry = 3,
    BeforeCountry = 4,
};

struct AddressContents {
    bool name = false;
    bool title = false;
    bool company = false;
    bool street = false;
    bool cityState = false;
    bool zip = false;
    bool country = false;
    bool phone = false;
    ZipPlacement zipPlacement = ZipPlacement::AfterState;
    bool uppercase = false;

    bool operator==(const AddressContents&) const = default;
};

}  // namespace rp
