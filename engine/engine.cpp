// The window's start-up and its chrome: window size, settings cover and the
// import panel's place.
#include "engine/engine.h"

namespace rotacle {

Engine::Engine(Platform& platform) : Game(platform) {
    SetWindow(this);
    FormCreate();
}

void Engine::FormCreate() {
    // Numbers convert with "." everywhere already (convert.h), so the first
    // start-up step has nothing left to do here.
    chrome_.SetClientHeight(geometry::kClosedHeight);
    chrome_.SetClientWidth(geometry::kWidth);
    chrome_.GreyUpTrenderGroup();
}

void Engine::Image_Settings2Click() {
    chrome_.SetClientHeight(geometry::kOpenHeight);
    chrome_.ShowSettingsCover(true);
}

void Engine::Image_Settings3Click() {
    chrome_.SetClientHeight(geometry::kClosedHeight);
    chrome_.ShowSettingsCover(false);
}

void Engine::ImportPanelShown(bool shown) {
    // The panel takes the place of the settings: they close as it opens.
    chrome_.SetClientHeight(geometry::kClosedHeight);
    if (shown) chrome_.ShowSettingsCover(false);
}

bool Engine::CellHoverShown(int n) const {
    return n >= 0 && n < 37 && chrome_.Image_Act()[static_cast<std::size_t>(n)].Visible;
}

}  // namespace rotacle
