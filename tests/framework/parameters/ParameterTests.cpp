#include "TestSupport.h"
#include "framework/parameters/DBParameter.h"
#include "framework/parameters/OnOffParameter.h"
#include "framework/parameters/SteppedParameter.h"
#include "shell/history/QwelHistory.h"

#include <gtest/gtest.h>

namespace
{
struct RecordingListener : Parameter::Listener
{
    RecordingListener (juce::StringArray& sharedLog, juce::String name) : log (sharedLog), tag (name) {}
    void parameterChanged (Parameter* p) override { log.add (tag + ":" + juce::String (p->getValue())); }
    juce::StringArray& log;
    juce::String tag;
};

juce::MouseEvent dragEvent (juce::Component& component, juce::ModifierKeys modifiers)
{
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), {}, modifiers, 0.0f, 0.0f, 0.0f, 0.0f,
                             0.0f, &component, &component, juce::Time(), {}, juce::Time(), 1, true);
}
} // namespace

TEST (Parameter, SettingTheCurrentValueIsSilentAndListenersRunInOrder)
{
    SimpleParameter p ("gain", 0.0, 10.0, 5.0);
    QwelHistory history;
    juce::StringArray log;
    RecordingListener first (log, "first"), second (log, "second");
    p.addListener (&first);
    p.addListener (&second);

    struct ChangeCounter : juce::ChangeListener
    {
        void changeListenerCallback (juce::ChangeBroadcaster*) override { ++count; }
        int count = 0;
    } changes;
    p.addChangeListener (&changes);

    p.setValue (&history, "gain", true, 5.0);
    corvane::test::pumpUntil ([] { return false; }, 100);
    EXPECT_TRUE (log.isEmpty());
    EXPECT_EQ (changes.count, 0);
    EXPECT_FALSE (history.canUndo());

    p.setValue (nullptr, {}, true, 7.0);
    EXPECT_EQ (log, juce::StringArray ({ "first:7", "second:7" }));
    EXPECT_TRUE (corvane::test::pumpUntil ([&] { return changes.count == 1; }));
    p.removeChangeListener (&changes);
}

TEST (Parameter, ClampsToItsRangeUnlessClampingIsOff)
{
    struct Case { bool clamp; double in, expected; };
    for (auto c : { Case { true, -3.0, 0.0 }, Case { true, 12.0, 10.0 }, Case { false, -3.0, -3.0 }, Case { false, 12.0, 12.0 } })
    {
        SimpleParameter p ("gain", 0.0, 10.0, 5.0);
        p.setClampToRange (c.clamp);
        p.setValue (nullptr, {}, true, c.in);
        EXPECT_EQ (p.getValue(), c.expected) << c.clamp << " " << c.in;
    }
}

TEST (Parameter, NonFiniteValuesAreIgnored)
{
    SimpleParameter p ("gain", 0.0, 10.0, 5.0);
    for (auto bad : { std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                      -std::numeric_limits<double>::infinity() })
        p.setValue (nullptr, {}, true, bad);

    EXPECT_EQ (p.getValue(), 5.0);
    EXPECT_EQ (p.getAudioValue(), 5.0f);
}

TEST (Parameter, OneGestureIsOneNamedUndoStepAndAGestureBackToItsStartRecordsNothing)
{
    SimpleParameter p ("gain", 0.0, 1.0, 0.2);
    QwelHistory history;

    p.beginGesture();
    p.setNormalized (nullptr, true, 0.7);
    p.setNormalized (nullptr, true, 0.2);
    p.endGesture (&history, "gain");
    EXPECT_FALSE (history.canUndo());

    p.beginGesture();
    p.setNormalized (nullptr, true, 0.5);
    p.setNormalized (nullptr, true, 0.7);
    p.endGesture (&history, "gain");
    EXPECT_EQ (history.getUndoDescription(), "change \"gain\"");

    history.undo();
    EXPECT_DOUBLE_EQ (p.getValue(), 0.2);
    EXPECT_FALSE (history.canUndo());
    history.redo();
    EXPECT_DOUBLE_EQ (p.getValue(), 0.7);
}

TEST (Parameter, UndoRecordsOfADeletedParameterDoNothing)
{
    QwelHistory history;
    auto p = std::make_unique<SimpleParameter> ("gain", 0.0, 1.0, 0.0);
    p->setValue (&history, "gain", true, 1.0);
    p.reset();

    EXPECT_TRUE (history.canUndo());
    history.undo();
    EXPECT_FALSE (history.canUndo());
}

TEST (Parameter, NotUndoableParametersRecordNothing)
{
    SimpleParameter p ("gain", 0.0, 1.0, 0.0);
    QwelHistory history;
    p.setUndoable (false);
    p.setValue (&history, "gain", true, 1.0);
    EXPECT_FALSE (history.canUndo());
}

TEST (Parameter, TextsOfOnOffSteppedAndDbParameters)
{
    OnOffParameter power ("power", false);
    EXPECT_EQ (power.getText(), "off");
    power.setValue (nullptr, {}, true, 1.0);
    EXPECT_EQ (power.getText(), "on");
    EXPECT_EQ (power.readValue (power, "OFF"), 0.0);

    SteppedParameter stage ("stage", 1, 4, 1, true);
    juce::StringArray texts;
    for (int i = 1; i <= 4; ++i)
    {
        stage.setValue (nullptr, {}, true, i);
        texts.add (stage.getText());
    }
    EXPECT_EQ (texts, juce::StringArray ({ "I", "II", "III", "IV" }));

    DBParameter level ("level", -60.0, 6.0, 0.0);
    EXPECT_EQ (level.getText(), "0.00db");
    EXPECT_FLOAT_EQ (level.getAudioValue(), 1.0f);
    level.setValue (nullptr, {}, true, -6.0);
    EXPECT_FLOAT_EQ (level.getGain(), (float) std::pow (10.0, -0.3));
    EXPECT_FLOAT_EQ (level.getAudioValue(), level.getGain());
    EXPECT_EQ (level.getIconName(), "volume");
}

TEST (Parameter, SteppedParametersReadRomanNumeralsThenWholeNumbers)
{
    SteppedParameter stage ("stage", 1, 20, 1, true);

    struct Case { const char* text; double expected; };
    for (auto c : { Case { "iv", 4 }, Case { "XIV", 14 }, Case { "12", 12 }, Case { "MCMXCIV", 1994 },
                    Case { "I\xc3\xa9", 0 }, Case { "", 0 }, Case { "7x", 7 } })
        EXPECT_EQ (stage.readValue (stage, juce::String::fromUTF8 (c.text)), c.expected) << c.text;

    // A foreign text read as 0 still leaves the parameter inside its range.
    stage.setValue (nullptr, {}, true, stage.readValue (stage, juce::String::fromUTF8 ("\xe2\x85\xa3")));
    EXPECT_EQ (stage.getValue(), 1.0);
}

TEST (Parameter, SteppedParametersRoundToWholeNumbersTiesToEven)
{
    SteppedParameter digits ("count", 0, 10, 3, false);
    EXPECT_EQ (digits.getText(), "3");

    for (auto [in, expected] : { std::pair { 2.5, 2.0 }, { 3.5, 4.0 }, { 6.2, 6.0 } })
    {
        digits.setValue (nullptr, {}, true, in);
        EXPECT_EQ (digits.getValue(), expected) << in;
    }
}

TEST (Parameter, DragsCoverTheRangeIn500PixelsOr5000WithAModifier)
{
    juce::Component control;
    SimpleParameter p ("cutoff", 20.0, 220.0, 20.0);

    struct Case { juce::ModifierKeys modifiers; double pixels, expected; };
    for (auto c : { Case { {}, 500.0, 220.0 }, Case { juce::ModifierKeys::shiftModifier, 500.0, 40.0 },
                    Case { juce::ModifierKeys::shiftModifier, 5000.0, 220.0 } })
    {
        p.setValue (nullptr, {}, true, 20.0);
        p.beginGesture();
        p.nudge (dragEvent (control, c.modifiers), c.pixels, p.getStepSize (c.modifiers, false));
        EXPECT_NEAR (p.getValue(), c.expected, 1e-9) << c.pixels;
    }
}

TEST (Parameter, WheelStepsFollowTheTablesOrTheRange)
{
    const juce::ModifierKeys none, shift (juce::ModifierKeys::shiftModifier);

    SimpleParameter wide ("wide", 0.0, 50.0, 0.0), narrow ("narrow", 0.0, 2.0, 0.0);
    EXPECT_DOUBLE_EQ (wide.getStepSize (none, true), 1.0 / 50.0);
    EXPECT_DOUBLE_EQ (wide.getStepSize (shift, true), 1.0 / 500.0);
    EXPECT_DOUBLE_EQ (narrow.getStepSize (none, true), 1.0 / 200.0);

    wide.setWheelStepSize (none, 25.0);
    EXPECT_DOUBLE_EQ (wide.getStepSize (none, true), 1.0 / 25.0);
    EXPECT_DOUBLE_EQ (wide.getStepSize (shift, true), 1.0 / 250.0);
    wide.setWheelStepSize (shift, 1000.0);
    EXPECT_DOUBLE_EQ (wide.getStepSize (shift, true), 1.0 / 1000.0);

    wide.setDragStepSize (none, 100.0);
    EXPECT_DOUBLE_EQ (wide.getStepSize (none, false), 1.0 / 100.0);
}

TEST (Parameter, OptionsGiveTextAndIcons)
{
    SimpleParameter mode ("mode", 0.0, 3.0, 0.0);
    mode.setIconName ({});
    for (auto [name, value] : { std::pair { "slow", 0.0 }, { "medium", 1.0 }, { "fast", 2.0 } })
        mode.addOption (new ParameterOption (name, nullptr, nullptr, value));
    mode.getOption (2)->setIconName ("fastIcon");

    mode.setValue (nullptr, {}, true, 2.0);
    EXPECT_EQ (mode.getText(), "fast");
    EXPECT_EQ (mode.getIconName(), "fastIcon");
    EXPECT_EQ (mode.readValue (mode, "MEDIUM"), 1.0);
    EXPECT_EQ (mode.readValue (mode, "unknown"), 2.0);

    mode.setValue (nullptr, {}, true, 2.5);
    EXPECT_EQ (mode.getText(), "2.50");

    mode.setContinuousOptions (true);
    mode.setValue (nullptr, {}, true, 1.0);
    EXPECT_EQ (mode.getText(), "1.00");
    EXPECT_TRUE (mode.hasOptionMenu());
}
