#include <gtest/gtest.h>

#include <cstring>

#include "app/about.h"
#include "app/main_window.h"
#include "display/grid.h"
#include "engine/search.h"
#include "game/game_loop.h"
#include "game/menu_ids.h"
#include "tests/game/harness.h"

namespace {

struct Item {
    const char* menu;
    const char* text; // null for a separator
    int32_t id;
    int32_t checked;
};

const Item MENU_AT_START[] = {
    {"&File", "&New Game", 40001, 0},
    {"&File", nullptr, 0, 0},
    {"&File", "E&xit", 40002, 0},
    {"&Game", "Five Men Morris", 40003, 0},
    {"&Game", "Six Man Morris", 40004, 1},
    {"&Game", nullptr, 0, 0},
    {"&Game", "Human First", 40012, 1},
    {"&Game", "Computer First", 40013, 0},
    {"&Game", nullptr, 0, 0},
    {"&Game", "Level 1 (5 sec)", 40005, 0},
    {"&Game", "Level 2 (10 sec)", 40006, 1},
    {"&Game", "Level 3 (15 sec)", 40007, 0},
    {"&Game", "Level 4 (30 sec)", 40008, 0},
    {"&Game", "Level 5 (1 min)", 40009, 0},
    {"&Game", "Level 6 (3 min)", 40010, 0},
    {"&Game", "Level 7 (10 min)", 40011, 0},
    {"&Help", "&Help", 40014, 0},
    {"&Help", nullptr, 0, 0},
    {"&Help", "&About", 1000, 0},
};

const int32_t LEVEL_IDS[] = {IDM_LEVEL_1, IDM_LEVEL_2, IDM_LEVEL_3, IDM_LEVEL_4,
                             IDM_LEVEL_5, IDM_LEVEL_6, IDM_LEVEL_7};

} // namespace

class MainWindow : public GameHarness {
protected:
    std::vector<int32_t> checked_items() const
    {
        std::vector<int32_t> ids;
        for (const auto& [id, checked] : window->checked) {
            if (checked)
                ids.push_back(id);
        }
        return ids;
    }
};

TEST_F(MainWindow, MenuAsItStartsAndNothingMore)
{
    std::vector<Item> items;
    const char* menu = nullptr;
    for (const MenuEntry& e : window->menu) {
        if (e.kind == MENU_POPUP)
            menu = e.text;
        else if (e.kind == MENU_ITEM)
            items.push_back({menu, e.text, e.id, e.checked});
        else if (e.kind == MENU_SEPARATOR)
            items.push_back({menu, nullptr, 0, 0});
    }
    ASSERT_EQ(items.size(), std::size(MENU_AT_START));
    for (size_t i = 0; i < items.size(); ++i) {
        const Item& want = MENU_AT_START[i];
        SCOPED_TRACE(want.text ? want.text : "separator");
        EXPECT_STREQ(items[i].menu, want.menu);
        EXPECT_STREQ(items[i].text, want.text);
        EXPECT_EQ(items[i].id, want.id);
        EXPECT_EQ(items[i].checked, want.checked);
    }
    EXPECT_EQ(time_limit_seconds, 10);
    EXPECT_EQ(window->title, "Six Men Morris");
}

TEST_F(MainWindow, CommandsMoveCheckMarksAndTellWhenSettingsApply)
{
    struct Case {
        int32_t id;
        std::vector<int32_t> checked_after; // ascending ids
        int32_t notices;
        int32_t seconds;
    };
    const Case cases[] = {
        {IDM_SIX_MEN, {40004, 40006, 40012}, 1, 10}, // already checked: the box all the same
        {IDM_FIVE_MEN, {40003, 40006, 40012}, 1, 10},
        {IDM_COMPUTER_FIRST, {40003, 40006, 40013}, 1, 10},
        {IDM_HUMAN_FIRST, {40003, 40006, 40012}, 1, 10},
        {IDM_LEVEL_7, {40003, 40011, 40012}, 0, 600},
        {IDM_LEVEL_1, {40003, 40005, 40012}, 0, 5},
        {IDM_LEVEL_3, {40003, 40007, 40012}, 0, 15},
        {IDM_LEVEL_4, {40003, 40008, 40012}, 0, 30},
        {IDM_LEVEL_5, {40003, 40009, 40012}, 0, 60},
        {IDM_LEVEL_6, {40003, 40010, 40012}, 0, 180},
        {IDM_LEVEL_2, {40003, 40006, 40012}, 0, 10},
        {IDM_SIX_MEN, {40004, 40006, 40012}, 1, 10},
        {12345, {40004, 40006, 40012}, 0, 10}, // unknown ids do nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        script().boxes.clear();
        const Message m = {window, MESSAGE_COMMAND, static_cast<uint32_t>(c.id), 0};
        EXPECT_EQ(main_window_proc(window, &m), 0);
        EXPECT_EQ(checked_items(), c.checked_after);
        EXPECT_EQ(time_limit_seconds, c.seconds);
        ASSERT_EQ(script().boxes.size(), static_cast<size_t>(c.notices));
        if (c.notices) {
            EXPECT_EQ(script().boxes[0].text, "This change will take effect only when new game is started.");
            EXPECT_EQ(script().boxes[0].caption, "Game Information Message");
        }
    }
}

TEST_F(MainWindow, UncheckLevelsTouchesOnlyTheLevels)
{
    for (int32_t id : LEVEL_IDS)
        check_menu_item(window, id, 1);
    check_menu_item(window, IDM_NEW_GAME, 1);
    uncheck_levels(window);
    EXPECT_EQ(checked_items(), (std::vector<int32_t>{40001, 40004, 40012}));
}

TEST_F(MainWindow, SettingsWaitForTheNextNewGame)
{
    set_position("................", SIX_MEN_TO_PLACE);
    command(IDM_FIVE_MEN);
    command(IDM_COMPUTER_FIRST);
    click(0);
    step_all();
    EXPECT_EQ(game.men_to_place, 10) << "still the six-men game: two placed";
    EXPECT_EQ(window->title, "Six Men Morris");
    command(IDM_NEW_GAME);
    step_all();
    EXPECT_EQ(window->title, "Five Men Morris");
    EXPECT_EQ(game.men_to_place, 9) << "the computer placed first";
}

TEST_F(MainWindow, NewGameOnlySetsItsCheckMarkForTheLoop)
{
    const Message m = {window, MESSAGE_COMMAND, IDM_NEW_GAME, 0};
    main_window_proc(window, &m);
    EXPECT_EQ(menu_item_checked(window, IDM_NEW_GAME), 1);
    game_step(window);
    EXPECT_EQ(menu_item_checked(window, IDM_NEW_GAME), 0);
}

TEST_F(MainWindow, AboutBoxClosesWithOkEnterEscapeOrItsCloseBox)
{
    struct Case {
        std::vector<uint32_t> commands;
        int32_t left_open;
    };
    const Case cases[] = {
        {{DIALOG_OK}, 0},
        {{DIALOG_CANCEL}, 0},
        {{104}, 1}, // clicking a text does nothing
    };
    for (const Case& c : cases) {
        script().dialogs_left_open = 0;
        script().dialog_commands.assign(c.commands.begin(), c.commands.end());
        command(IDM_ABOUT);
        step_all();
        EXPECT_EQ(script().dialogs_left_open, c.left_open);
        EXPECT_EQ(script().dialog_captions.back(), "About Brackwell");
    }
}

TEST_F(MainWindow, AboutBoxTexts)
{
    std::vector<std::string> texts;
    for (int32_t i = 0; i < ABOUT_BOX.control_count; ++i)
        texts.push_back(ABOUT_BOX.controls[i].text);
    EXPECT_EQ(texts[0], "&OK");
    EXPECT_EQ(ABOUT_BOX.controls[0].id, 1);
    EXPECT_EQ(ABOUT_BOX.controls[0].kind, CONTROL_DEFAULT_BUTTON);
    EXPECT_EQ(texts[1], "Brackwell");
    EXPECT_EQ(texts[2], "The Brackwell developers");
    EXPECT_NE(texts[4].find("2026"), std::string::npos);
    EXPECT_EQ(texts[5].rfind("Version ", 0), 0u);
}

TEST_F(MainWindow, HelpOpens)
{
    command(IDM_HELP);
    step_all();
    EXPECT_EQ(script().help_opened, 1);
}

TEST_F(MainWindow, ExitEndsTheLoopWithZero)
{
    command(IDM_EXIT);
    EXPECT_EQ(run(), 0);
    EXPECT_TRUE(window->destroyed);
}

TEST_F(MainWindow, CloseBoxEndsTheLoopWithZero)
{
    post_message(window, MESSAGE_CLOSE, 0, 0);
    EXPECT_EQ(run(), 0);
    EXPECT_TRUE(window->destroyed);
}

TEST_F(MainWindow, PaintMessageErasesThenDrawsTheWholePicture)
{
    const Message paint = {window, MESSAGE_PAINT, 0, 0};
    init_display();
    EXPECT_EQ(main_window_proc(window, &paint), 0);
    const std::vector<DrawCall> calls = script_take_drawing(window);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().kind, DRAW_ERASE);
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const DrawCall& c) { return c.kind == DRAW_ELLIPSE; }), 16);
    EXPECT_FALSE(window->invalid);
}

TEST_F(MainWindow, PressesAreRecordedByCell)
{
    init_display();
    const Message press = {window, MESSAGE_LEFT_BUTTON_DOWN, 0, pack_position(356, 355)};
    EXPECT_EQ(main_window_proc(window, &press), 0);
    EXPECT_EQ(click_col, 8);
    EXPECT_EQ(click_row, 8);
    // A press left of or above the client area arrives as a large unsigned position.
    const Message outside = {window, MESSAGE_LEFT_BUTTON_DOWN, 0, pack_position(-3, 20)};
    main_window_proc(window, &outside);
    EXPECT_EQ(click_col, 8);
    EXPECT_EQ(click_row, 8);
}
