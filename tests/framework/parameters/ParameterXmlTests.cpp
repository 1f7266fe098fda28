#include "framework/parameters/ModulationSource.h"
#include "framework/parameters/ParameterList.h"
#include "framework/parameters/SimpleParameter.h"
#include "framework/parameters/SteppedParameter.h"
#include "shell/history/QwelHistory.h"

#include <gtest/gtest.h>

namespace
{
std::unique_ptr<juce::XmlElement> parse (const char* text)
{
    return juce::parseXML (juce::String (text));
}
} // namespace

TEST (ParameterXml, StateRoundTripKeepsValueAndDragSteps)
{
    SimpleParameter saved ("Cut Off", 0.0, 100.0, 10.0);
    saved.setValue (nullptr, {}, true, 42.5);
    saved.setDragStepSize (juce::ModifierKeys::shiftModifier, 2000.0);

    juce::XmlElement parent ("state");
    saved.saveToXml (parent, XmlAble::stateMode);
    auto* element = parent.getChildByName ("cut_offparameter");
    ASSERT_NE (element, nullptr);
    EXPECT_EQ (element->getStringAttribute ("type"), "parameter");
    EXPECT_NE (element->getChildByName ("stepsize"), nullptr);
    EXPECT_NE (element->getChildByName ("modulations"), nullptr);

    SimpleParameter restored ("Cut Off", 0.0, 100.0, 10.0);
    restored.loadFromXml (parent, XmlAble::stateMode, nullptr);
    EXPECT_EQ (restored.getValue(), 42.5);
    EXPECT_EQ (restored.getId(), saved.getId());
    EXPECT_DOUBLE_EQ (restored.getStepSize (juce::ModifierKeys::shiftModifier, false), 1.0 / 2000.0);
}

TEST (ParameterXml, LockedParametersIgnorePresetsButNotState)
{
    SimpleParameter p ("gain", 0.0, 1.0, 0.0);
    p.setLocked (true);

    auto preset = parse ("<parameters><parameter name='gain' value='0.5'/></parameters>");
    p.loadPreset (*preset, XmlAble::presetMode, nullptr);
    p.readAttributes (*preset->getFirstChildElement(), XmlAble::presetMode, nullptr);
    EXPECT_EQ (p.getValue(), 0.0);

    p.readAttributes (*preset->getFirstChildElement(), XmlAble::stateMode, nullptr);
    EXPECT_EQ (p.getValue(), 0.5);

    // The host's state chunk carries the host parameters in the preset form.
    auto state = parse ("<parameters><parameter name='gain' value='0.25'/></parameters>");
    p.loadPreset (*state, XmlAble::stateMode, nullptr);
    EXPECT_EQ (p.getValue(), 0.25);
}

TEST (ParameterXml, PresetsApplyUnclampedAndUndoAsOneChange)
{
    SimpleParameter p ("gain", 0.0, 1.0, 0.0);
    QwelHistory history;

    auto preset = parse ("<parameter name='GAIN' value='1.5'/>");
    p.loadPreset (*preset, XmlAble::presetMode, &history);
    EXPECT_EQ (p.getValue(), 1.5);
    EXPECT_TRUE (p.isClampedToRange());

    history.undo();
    EXPECT_EQ (p.getValue(), 0.0);
}

TEST (ParameterXml, PresetElementsAreFoundByTheKeyWithSuffix)
{
    SimpleParameter p ("gain", 0.0, 10.0, 0.0);

    auto keyed = parse ("<preset><parameter name='gain2' gain2='3' value='9'/></preset>");
    p.loadPreset (*keyed, XmlAble::presetMode, nullptr, "2");
    EXPECT_EQ (p.getValue(), 3.0);

    auto other = parse ("<preset><parameter name='Gain' value='4'/></preset>");
    p.loadPreset (*other, XmlAble::presetMode, nullptr);
    EXPECT_EQ (p.getValue(), 3.0);
}

TEST (ParameterXml, BadValuesLeaveTheParameterValidAndInRange)
{
    const char* values[] = { "", "   ", "abc", "1.5e", "nan", "NaN", "inf", "-inf", "1e999", "0x10" };

    for (auto* text : values)
    {
        SteppedParameter p ("stage", 1, 4, 2, true);

        juce::XmlElement state ("stageparameter");
        state.setAttribute ("value", text);
        p.readAttributes (state, XmlAble::stateMode, nullptr);

        juce::XmlElement preset ("parameter");
        preset.setAttribute ("name", "stage");
        preset.setAttribute ("value", text);
        p.loadPreset (preset, XmlAble::presetMode, nullptr);

        EXPECT_EQ (p.getValue(), 2.0) << text;
        EXPECT_EQ (p.getText(), "II") << text;
    }

    SteppedParameter missing ("stage", 1, 4, 2, true);
    missing.readAttributes (*parse ("<stageparameter name=''/>"), XmlAble::stateMode, nullptr);
    missing.loadPreset (*parse ("<parameter name='stage'/>"), XmlAble::presetMode, nullptr);
    EXPECT_EQ (missing.getValue(), 2.0);
    EXPECT_EQ (missing.getName(), "stage");

    auto steps = parse ("<stageparameter value='3'><stepsize flags='x' value='nan'/><stepsize/></stageparameter>");
    missing.readAttributes (*steps, XmlAble::stateMode, nullptr);
    EXPECT_EQ (missing.getValue(), 3.0);
    EXPECT_DOUBLE_EQ (missing.getStepSize ({}, false), 1.0 / 500.0);
}

TEST (ParameterXml, ListsSaveInReverseAndLoadFromTheirChildOrTheElement)
{
    ParameterList list ("pluginParameters");
    list.addParameter (new SimpleParameter ("a", 0.0, 10.0, 1.0));
    list.addParameter (new SimpleParameter ("b", 0.0, 10.0, 2.0));

    juce::XmlElement root ("Corvane");
    list.savePresets (root, XmlAble::stateMode);
    auto* saved = root.getChildByName ("parameters");
    ASSERT_NE (saved, nullptr);
    EXPECT_EQ (saved->getStringAttribute ("name"), "pluginParameters");
    EXPECT_EQ (saved->getChildElement (0)->getStringAttribute ("name"), "b");
    EXPECT_EQ (saved->getChildElement (1)->getStringAttribute ("name"), "a");

    auto named = parse ("<x><parameters name='other'><parameter name='a' value='9'/></parameters>"
                        "<parameters name='pluginParameters'><parameter name='a' value='5'/></parameters></x>");
    list.loadPresets (*named, XmlAble::stateMode, nullptr);
    EXPECT_EQ (list.getParameter (0)->getValue(), 5.0);

    auto flat = parse ("<x><parameter name='a' value='7'/><parameter name='b' value='8'/></x>");
    list.loadPresets (*flat, XmlAble::stateMode, nullptr);
    EXPECT_EQ (list.getParameter (0)->getValue(), 7.0);
    EXPECT_EQ (list.getParameter ("b")->getValue(), 8.0);
}

TEST (ParameterXml, ModulationsAreWrittenAsChildrenAndFindTheirLiveSource)
{
    ModulationSource lfo ("lfo");
    lfo.setOutput (0.5);

    SimpleParameter saved ("gain", 0.0, 1.0, 0.0);
    ASSERT_TRUE (saved.addModulation (&lfo, 0.4));
    EXPECT_FALSE (saved.addModulation (&lfo));

    auto preset = saved.createPresetXml();
    auto* link = preset->getChildByName ("modulations")->getChildByName ("modulation");
    ASSERT_NE (link, nullptr);
    EXPECT_EQ (link->getStringAttribute ("sourceid"), lfo.getId().toString());

    SimpleParameter restored ("gain", 0.0, 1.0, 0.0);
    restored.loadPreset (*preset, XmlAble::presetMode, nullptr);
    EXPECT_TRUE (restored.isModulatedBy (&lfo));
    EXPECT_DOUBLE_EQ (restored.getModulationSum(), 0.2);

    auto unknown = parse ("<parameter name='gain' value='0'><modulations><modulation sourceid='0123'/>"
                          "<modulation/></modulations></parameter>");
    restored.loadPreset (*unknown, XmlAble::presetMode, nullptr);
    EXPECT_EQ (restored.getNumModulations(), 0);
}
