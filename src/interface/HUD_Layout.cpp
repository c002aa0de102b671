#include "interface/HUD_Layout.hpp"

#include <algorithm>

gcn::Rectangle HUD_Layout::Counter(int screenWidth, int width, int height) {
    return gcn::Rectangle(screenWidth - width - Counter_Margin, Counter_Margin, width, height);
}

gcn::Rectangle HUD_Layout::Status(int screenWidth, int width, int height, const gcn::Rectangle& bars,
                                  const gcn::Rectangle& counter) {
    gcn::Rectangle status(screenWidth / 2 - width / 2, Status_Top, width, height);
    if (!Crowds(status, Status_Frame, bars) && !Crowds(status, Status_Frame, counter))
        return status;
    // Below whichever of the two reaches lower; an empty one takes no room.
    const int barsBottom = bars.width > 0 && bars.height > 0 ? bars.y + bars.height : 0;
    const int counterBottom = counter.width > 0 && counter.height > 0 ? counter.y + counter.height : 0;
    status.y = std::max(barsBottom, counterBottom) + Gap + Status_Frame;
    return status;
}

int HUD_Layout::Status_Width_Limit(int screenWidth) { return std::max(0, screenWidth - 2 * (Status_Frame + Gap)); }

bool HUD_Layout::Crowds(const gcn::Rectangle& a, int frame, const gcn::Rectangle& b) {
    if (a.width <= 0 || a.height <= 0 || b.width <= 0 || b.height <= 0)
        return false;
    const int margin = frame + Gap;
    return a.x - margin < b.x + b.width && b.x < a.x + a.width + margin && a.y - margin < b.y + b.height &&
           b.y < a.y + a.height + margin;
}
