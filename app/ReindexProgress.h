#pragma once
// What the Rebuild Indexes gauge shows for each progress value the engine reports. While the
// file is packed the gauge follows the value; while the 21 tags are built, each running from 0
// to 100 in turn, the gauge shows the share of the whole run done so far, so that it rises
// steadily once instead of restarting for every tag.
namespace rp {

class ReindexProgress {
  public:
    // The engine's progress runs from 0 to 100 for each of this many tags.
    static constexpr int kTagCount = 21;

    void setPacking(bool packing) { packing_ = packing; }
    bool packing() const { return packing_; }

    // Takes a reported value and returns the gauge value, 0 to 100.
    int show(int value);

    // Back to the state before the first value: not packing, nothing counted.
    void reset();

  private:
    bool packing_ = false;
    int last_ = 0;
    long total_ = 0;
};

}  // namespace rp
