// What the needle sweep asks of the display once per frame.
#pragma once

namespace stormbell {

class FramePresenter {
public:
    virtual ~FramePresenter() = default;
    /// Restores the clean skin, draws the six needles from the shown values in their fixed
    /// order and repaints at once. A conversion error from a needle leaves through here.
    virtual void PresentFrame() = 0;
};

} // namespace stormbell
