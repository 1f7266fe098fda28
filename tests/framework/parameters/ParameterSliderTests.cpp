#include "framework/look/CompPopup.h"
#include "framework/look/PlinthLook.h"
#include "framework/object/HistorySource.h"
#include "framework/object/LockSource.h"
#include "framework/parameters/OnOffParameter.h"
#include "framework/object/ServiceLookup.h"
#include "framework/parameters/ParameterGroup.h"
#include "framework/parameters/ParameterPopup.h"
#include "framework/parameters/ParameterPropertyComp.h"
#include "framework/parameters/ParameterSlider.h"
#include "framework/parameters/SimpleParameter.h"
#include "framework/parameters/SteppedParameter.h"
#include "shell/history/QwelHistory.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
// The editor around the sliders: it offers the model lock and the undo history.
struct Editor : public juce::Component, public LockSource, public HistorySource
{
    Editor()
    {
        setSize (300, 100);
        setVisible (true);
    }
    juce::CriticalSection& getLock() override { return lock; }
    QwelHistory* getHistory() override { return &history; }

    juce::CriticalSection lock;
    QwelHistory history { &lock };
};

struct SliderFixture : public ::testing::Test
{
    // A slider 100 pixels wide on the parameter, inside the editor.
    ParameterSlider& makeSlider (Parameter& parameter)
    {
        auto* slider = sliders.add (new ParameterSlider (1, &parameter, {}, true));
        editor.addAndMakeVisible (slider);
        slider->setBounds (0, 0, 100, PlinthLook::controlSize);
        return *slider;
    }

    juce::MouseEvent event (ParameterSlider& slider, juce::Point<float> position, juce::Point<float> down,
                            juce::ModifierKeys mods = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier),
                            bool dragged = false)
    {
        const auto now = juce::Time::getCurrentTime();
        return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position, mods,
                                 juce::MouseInputSource::defaultPressure, 0.0f, 0.0f, 0.0f, 0.0f, &slider, &slider, now,
                                 down, now, 1, dragged);
    }

    void click (ParameterSlider& slider, juce::ModifierKeys mods = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier))
    {
        const juce::Point<float> at (50.0f, 9.0f);
        slider.mouseDown (event (slider, at, at, mods));
        slider.mouseUp (event (slider, at, at, mods));
    }

    // A drag from the middle through the given vertical offsets, then the release.
    void drag (ParameterSlider& slider, std::initializer_list<float> offsets,
               juce::ModifierKeys mods = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier))
    {
        const juce::Point<float> start (50.0f, 9.0f);
        slider.mouseDown (event (slider, start, start, mods));
        auto last = start;

        for (auto dy : offsets)
        {
            last = start.translated (0.0f, dy);
            slider.mouseDrag (event (slider, last, start, mods, true));
        }

        slider.mouseUp (event (slider, last, start, mods, true));
    }

    int numUndoSteps()
    {
        int steps = 0;
        while (editor.history.canUndo() && steps < 100)
        {
            editor.history.undo();
            ++steps;
        }
        return steps;
    }

    Editor editor;
    juce::OwnedArray<ParameterSlider> sliders;
};
} // namespace

TEST_F (SliderFixture, FixedParameterDisablesTheSlider)
{
    SimpleParameter fixed ("fixed", 1.0, 1.0, 1.0);
    SimpleParameter free ("free", 0.0, 1.0, 0.0);
    EXPECT_FALSE (makeSlider (fixed).isEnabled());
    EXPECT_TRUE (makeSlider (free).isEnabled());
}

TEST_F (SliderFixture, ClickTogglesTwoOptionsAsOneStep)
{
    OnOffParameter power ("power", false);
    auto& slider = makeSlider (power);

    click (slider);
    EXPECT_DOUBLE_EQ (power.getValue(), 1.0);
    click (slider);
    EXPECT_DOUBLE_EQ (power.getValue(), 0.0);

    editor.history.undo();
    EXPECT_DOUBLE_EQ (power.getValue(), 1.0);
    editor.history.undo();
    EXPECT_DOUBLE_EQ (power.getValue(), 0.0);
    EXPECT_FALSE (editor.history.canUndo());
}

TEST_F (SliderFixture, CommandClickResetsToTheDefaultAsOneStep)
{
    SimpleParameter level ("level", 0.0, 1.0, 0.5);
    SimpleParameter linked ("linked", 0.0, 1.0, 0.25);
    level.setValue (nullptr, {}, true, 0.8);
    auto& slider = makeSlider (level);
    slider.addLinkedParameter (&linked);

    click (slider, juce::ModifierKeys (juce::ModifierKeys::commandModifier | juce::ModifierKeys::leftButtonModifier));
    EXPECT_DOUBLE_EQ (level.getValue(), 0.5);
    EXPECT_EQ (editor.history.getUndoDescription(), "change \"level\"");
    EXPECT_EQ (numUndoSteps(), 1);
    EXPECT_DOUBLE_EQ (level.getValue(), 0.8);
}

TEST_F (SliderFixture, DraggingFollowsTheTotalDistance)
{
    SimpleParameter level ("level", 0.0, 1.0, 0.0);
    auto& slider = makeSlider (level);

    // Up 100 pixels and back to the start: nothing changes and nothing is recorded.
    const juce::Point<float> start (50.0f, 9.0f);
    slider.mouseDown (event (slider, start, start));
    slider.mouseDrag (event (slider, start.translated (0, -100), start, {}, true));
    EXPECT_NEAR (level.getValue(), 0.2, 1e-9);
    slider.mouseDrag (event (slider, start, start, {}, true));
    EXPECT_DOUBLE_EQ (level.getValue(), 0.0);
    slider.mouseUp (event (slider, start, start, {}, true));
    EXPECT_FALSE (editor.history.canUndo());

    // 500 pixels span the whole range, as one step; with shift it takes ten times as far.
    drag (slider, { -250.0f, -500.0f });
    EXPECT_DOUBLE_EQ (level.getValue(), 1.0);
    drag (slider, { 500.0f }, juce::ModifierKeys (juce::ModifierKeys::shiftModifier | juce::ModifierKeys::leftButtonModifier));
    EXPECT_NEAR (level.getValue(), 0.9, 1e-9);
    EXPECT_EQ (numUndoSteps(), 2);
    EXPECT_DOUBLE_EQ (level.getValue(), 0.0);
}

TEST_F (SliderFixture, LinkedParametersMoveTogether)
{
    SimpleParameter a ("a", 0.0, 1.0, 0.0), b ("b", 0.0, 10.0, 5.0);
    auto& slider = makeSlider (a);
    slider.addLinkedParameter (&b);

    drag (slider, { -100.0f });
    EXPECT_NEAR (a.getValue(), 0.2, 1e-9);
    EXPECT_NEAR (b.getValue(), 7.0, 1e-9);
    EXPECT_EQ (numUndoSteps(), 1);
    EXPECT_DOUBLE_EQ (b.getValue(), 5.0);
}

TEST_F (SliderFixture, WheelSeriesIsOneUndoStep)
{
    SimpleParameter level ("level", 0.0, 1.0, 0.5);
    auto& slider = makeSlider (level);
    juce::MouseWheelDetails wheel {};
    wheel.deltaY = 0.1f;
    const juce::Point<float> at (50.0f, 9.0f);

    for (int i = 0; i < 3; ++i)
        slider.mouseWheelMove (event (slider, at, at, {}), wheel);

    EXPECT_NEAR (level.getValue(), 0.53, 1e-9);
    EXPECT_EQ (editor.history.getUndoDescription(), "change \"level\"");

    // A sideways wheel does nothing.
    wheel.deltaX = 0.1f;
    slider.mouseWheelMove (event (slider, at, at, {}), wheel);
    EXPECT_NEAR (level.getValue(), 0.53, 1e-9);

    EXPECT_EQ (numUndoSteps(), 1);
    EXPECT_DOUBLE_EQ (level.getValue(), 0.5);

    // Once the series has timed out, the next wheel turn is a step of its own.
    EXPECT_TRUE (corvane::test::pumpUntil ([&] { return ! slider.isShowingValue(); }, 3000));
}

TEST_F (SliderFixture, TypedTextGoesThroughTheParametersReader)
{
    struct Case
    {
        const char* typed;
        double expectedPlain;
        double expectedSwitch;
    };

    for (auto c : { Case { "0.75", 0.75, 1.0 }, Case { "abc", 0.0, 1.0 }, Case { "off", 0.0, 0.0 } })
    {
        SimpleParameter plain ("plain", 0.0, 1.0, 0.5);
        OnOffParameter onOff ("switch", true);
        auto& plainSlider = makeSlider (plain);
        auto& switchSlider = makeSlider (onOff);

        for (auto* slider : { &plainSlider, &switchSlider })
        {
            slider->showEditor();
            ASSERT_NE (slider->getCurrentTextEditor(), nullptr);
            slider->getCurrentTextEditor()->setText (c.typed, false);
            slider->hideEditor (false);
        }

        EXPECT_DOUBLE_EQ (plain.getValue(), c.expectedPlain) << c.typed;
        EXPECT_DOUBLE_EQ (onOff.getValue(), c.expectedSwitch) << c.typed;
        sliders.clear();
    }
}

TEST_F (SliderFixture, PropertyRowIsTwentyHighAndNamedAfterTheParameter)
{
    SimpleParameter delay ("helpDelay", 0.0, 2.0, 0.2);
    delay.setDisplayName ("help delay");
    ParameterPropertyComp row (&delay);
    EXPECT_EQ (row.getPreferredHeight(), 20);
    EXPECT_EQ (row.getName(), "help delay");
    EXPECT_EQ (row.getSlider().getChangeName(), "help delay");
}

namespace
{
// A panel whose parameter controls open the popup panel on a click.
struct PopupGroup : public juce::Component, public ParameterGroup
{
    bool showsPopupOnClick() override { return true; }
};
} // namespace

TEST_F (SliderFixture, GroupWithPopupsOpensOneSharedPanelPerParameter)
{
    SimpleParameter level ("level", 0.0, 1.0, 0.5);
    level.setIconName ("volume");
    PopupGroup group;
    editor.addAndMakeVisible (group);
    group.setBounds (0, 0, 300, 100);
    ParameterSlider slider (1, &level, {}, false);
    group.addAndMakeVisible (slider);
    slider.setBounds (10, 10, 60, PlinthLook::controlSize);
    ASSERT_TRUE (slider.popupEnabled());

    const juce::Point<float> at (30.0f, 9.0f);
    slider.mouseDown (event (slider, at, at));
    auto* popup = CompPopup::getInstance();
    auto* shown = dynamic_cast<ParameterPopup*> (popup->getContent());
    ASSERT_NE (shown, nullptr);
    EXPECT_EQ (shown->getParameter(), &level);
    EXPECT_EQ (popup->getAnchor(), &slider);
    slider.mouseUp (event (slider, at, at));

    // The same parameter keeps its panel; its slider edits into the editor's history.
    slider.mouseDown (event (slider, at, at));
    EXPECT_EQ (popup->getContent(), shown);
    EXPECT_EQ (findHistory (&shown->getSlider()), &editor.history);
    EXPECT_EQ (&findLock (&shown->getSlider()), &editor.lock);
    slider.mouseUp (event (slider, at, at));

    popup->hide();
    EXPECT_FALSE (ParameterSlider (1, &level, {}, false).popupEnabled());
}
