#pragma once

#include "framework/parameters/ParameterList.h"

#include <juce_audio_processors/juce_audio_processors.h>

// The processor the hosts see, with neutral answers to every host query, the list of
// host-visible parameters and the state chunk as XML.
class AudioProcessorLight : public juce::AudioPluginInstance
{
public:
    AudioProcessorLight();
    ~AudioProcessorLight() override;

    const juce::String getName() const override { return "unnamed"; }
    void prepareToPlay (double, int) override {}
    void releaseResources() override {}
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override {}
    using juce::AudioPluginInstance::processBlock;

    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return false; }
    bool producesMidi() const override { return false; }
    bool silenceInProducesSilenceOut() const override { return false; }
    bool hasEditor() const override { return true; }
    juce::AudioProcessorEditor* createEditor() override { return nullptr; }

    // Exactly the two layouts the plug-in offers: mono to mono and stereo to stereo.
    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    int getNumPrograms() override { return 0; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram (int) override {}
    const juce::String getProgramName (int index) override;
    void changeProgramName (int, const juce::String&) override {}

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;
    void getCurrentProgramStateInformation (juce::MemoryBlock& destData) override { getStateInformation (destData); }
    void setCurrentProgramStateInformation (const void* data, int sizeInBytes) override { setStateInformation (data, sizeInBytes); }

    void fillInPluginDescription (juce::PluginDescription&) const override {}

    // The host-visible parameters, by their position in the list.
    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
    int getNumParameters() override;
    const juce::String getParameterName (int index) override;
    float getParameter (int index) override;
    const juce::String getParameterText (int index) override;
    void setParameter (int index, float newValue) override;

    const juce::String getInputChannelName (int channelIndex) const override;
    const juce::String getOutputChannelName (int channelIndex) const override;
    bool isInputChannelStereoPair (int) const override { return true; }
    bool isOutputChannelStereoPair (int) const override { return true; }
    JUCE_END_IGNORE_WARNINGS_GCC_LIKE

    virtual void restoreStateFromXml (const juce::XmlElement&) {}
    virtual std::unique_ptr<juce::XmlElement> createStateXml() { return nullptr; }

    ParameterList& getPluginParameters() noexcept { return pluginParameters; }

protected:
    ParameterList pluginParameters;

private:
    static juce::String channelName (const char* prefix, int channelIndex);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AudioProcessorLight)
};
