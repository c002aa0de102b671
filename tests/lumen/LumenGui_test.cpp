#include "lumen/LumenTestSupport.hpp"

#include <cstring>

#include <guichan/actionlistener.hpp>
#include <guichan/gui.hpp>
#include <guichan/mouselistener.hpp>
#include <guichan/widgets/button.hpp>
#include <guichan/widgets/container.hpp>
#include <guichan/widgets/label.hpp>

#include "lumen/lumenfont.hpp"
#include "lumen/lumeninput.hpp"
#include "media/ButtonNames.hpp"
#include "media/KeyNames.hpp"

using namespace lumen_test;
using GLINT::SDL::RGBAColor;

namespace {

struct Listener : gcn::ActionListener, gcn::MouseListener {
    void action(const gcn::ActionEvent&) override { ++clicks; }
    void mouseExited(gcn::MouseEvent&) override { ++exits; }
    int clicks = 0, exits = 0;
};

// A real Guichan tree on the backend: a container holding a button and a label.
class LumenGuiTest : public SurfaceTest {
protected:
    void SetUp() override {
        SurfaceTest::SetUp();
        target.reset(new GLINT::SDL::RGBSurface(220, 120, 32));
        graphics.setTarget(target.get());
        font.reset(new gcn::LumenFont(FontFile, 14));
        gcn::Widget::setGlobalFont(font.get());
        top.setDimension(gcn::Rectangle(0, 0, 220, 120));
        top.setBaseColor(gcn::Color(30, 40, 50));
        button.setBaseColor(gcn::Color(200, 60, 60));
        button.addActionListener(&listener);
        button.addMouseListener(&listener);
        label.setForegroundColor(gcn::Color(255, 255, 0));
        top.add(&button, 20, 20);
        top.add(&label, 20, 70);
        gui.setGraphics(&graphics);
        gui.setInput(&input);
        gui.setTop(&top);
    }
    void TearDown() override {
        gcn::Widget::setGlobalFont(nullptr);
        font.reset(); // before TTF_Quit
        SurfaceTest::TearDown();
    }

    int countIn(const gcn::Rectangle& area, bool (*match)(const RGBAColor&)) {
        int n = 0;
        for (int y = area.y; y < area.y + area.height; ++y)
            for (int x = area.x; x < area.x + area.width; ++x)
                n += match(pixelAt(*target, x, y)) ? 1 : 0;
        return n;
    }

    void click(int x, int y) {
        const int left = GLINT::SDL::ButtonNames::number("Left");
        input.pushMouseButtonInput(left, x, y, true);
        input.pushMouseButtonInput(left, x, y, false);
    }

    std::unique_ptr<gcn::LumenFont> font;
    gcn::LumenInput input;
    gcn::Container top;
    gcn::Button button{"Go on"};
    gcn::Label label{"Varnholt"};
    gcn::Gui gui;
    Listener listener;
};

} // namespace

TEST_F(LumenGuiTest, AWidgetTreeDrawsThroughTheBackend) {
    gui.logic();
    ASSERT_EQ(guichanError([&] { gui.draw(); }), "");

    EXPECT_TRUE(sameColour(pixelAt(*target, 219, 119), 30, 40, 50));
    // The button's face and dark text inside its box, the label's yellow text inside its own.
    const gcn::Rectangle box = button.getDimension();
    EXPECT_GT(box.width, font->getWidth("Go on"));
    EXPECT_GT(countIn(box, [](const RGBAColor& c) { return bool(sameColour(c, 200, 60, 60)); }), box.width);
    EXPECT_GT(countIn(box, [](const RGBAColor& c) { return c.getR() < 100 && c.getG() < 30; }), 10);
    EXPECT_GT(countIn(label.getDimension(),
                      [](const RGBAColor& c) { return c.getR() > 200 && c.getG() > 200 && c.getB() < 60; }),
              10);
    const int frame = static_cast<int>(button.getFrameSize());
    EXPECT_TRUE(sameColour(pixelAt(*target, box.x + box.width + frame, box.y + box.height + frame), 30, 40, 50));
}

TEST_F(LumenGuiTest, MouseAndKeysReachTheButton) {
    const gcn::Rectangle box = button.getDimension();
    input.pushMouseMotionInput(box.x + 4, box.y + 4);
    click(box.x + 4, box.y + 4);
    gui.logic();
    EXPECT_EQ(listener.clicks, 1);
    EXPECT_TRUE(button.isFocused());

    // Space through a Key record, Enter through an SDL event, on the focused button.
    const int space = GLINT::SDL::KeyNames::number("KSPACE");
    input.pushKeyInput(GLINT::SDL::Key(space, 0, ' '), true);
    input.pushKeyInput(GLINT::SDL::Key(space, 0, 0), false);
    SDL_Event event;
    std::memset(&event, 0, sizeof(event));
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_RETURN;
    input.pushInput(event);
    event.type = SDL_KEYUP;
    input.pushInput(event);
    gui.logic();
    EXPECT_EQ(listener.clicks, 3);

    // Once the pointer has left the window it has left the button too: a
    // press and release there without a motion back in are no click.
    input.pushActiveInput(false, true);
    gui.logic();
    EXPECT_EQ(listener.exits, 1);
    click(box.x + 4, box.y + 4);
    gui.logic();
    EXPECT_EQ(listener.clicks, 3);
}
