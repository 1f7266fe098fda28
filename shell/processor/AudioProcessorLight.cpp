#include "AudioProcessorLight.h"

AudioProcessorLight::AudioProcessorLight()
    : juce::AudioPluginInstance (BusesProperties()
                                     .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                     .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      pluginParameters ("pluginParameters")
{
}

AudioProcessorLight::~AudioProcessorLight() = default;

bool AudioProcessorLight::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto in = layouts.getMainInputChannelSet();
    const auto out = layouts.getMainOutputChannelSet();

    return in == out && (out == juce::AudioChannelSet::mono() || out == juce::AudioChannelSet::stereo());
}

const juce::String AudioProcessorLight::getProgramName (int index)
{
    return "getProgramName(" + juce::String (index) + ")";
}

void AudioProcessorLight::getStateInformation (juce::MemoryBlock& destData)
{
    if (auto xml = createStateXml())
        copyXmlToBinary (*xml, destData);
}

void AudioProcessorLight::setStateInformation (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= 0)
        return;

    if (auto xml = getXmlFromBinary (data, sizeInBytes))
        restoreStateFromXml (*xml);
}

juce::String AudioProcessorLight::channelName (const char* prefix, int channelIndex)
{
    return juce::String (prefix) + " " + juce::String (channelIndex / 2 + 1) + " " + ((channelIndex % 2) == 0 ? "L" : "R");
}

const juce::String AudioProcessorLight::getInputChannelName (int channelIndex) const
{
    return channelName ("In", channelIndex);
}

const juce::String AudioProcessorLight::getOutputChannelName (int channelIndex) const
{
    return channelName ("Out", channelIndex);
}

int AudioProcessorLight::getNumParameters()
{
    return pluginParameters.getNumParameters();
}

const juce::String AudioProcessorLight::getParameterName (int index)
{
    if (auto* p = pluginParameters.getParameter (index))
        return p->getName();

    return {};
}

float AudioProcessorLight::getParameter (int index)
{
    if (auto* p = pluginParameters.getParameter (index))
        return (float) p->getNormalized();

    return 0.0f;
}

const juce::String AudioProcessorLight::getParameterText (int index)
{
    if (auto* p = pluginParameters.getParameter (index))
        return p->getText();

    return {};
}

void AudioProcessorLight::setParameter (int index, float newValue)
{
    if (auto* p = pluginParameters.getParameter (index))
        p->setNormalized (nullptr, true, juce::jlimit (0.0, 1.0, (double) newValue));
}
