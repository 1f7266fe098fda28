#pragma once

#include "AudioProcessorLight.h"
#include "framework/look/PlinthLook.h"
#include "framework/object/IdObject.h"
#include "framework/object/PropertySource.h"
#include "shell/history/QwelHistory.h"
#include "shell/layout/LayoutStore.h"

class Product;

// The generic plug-in shell: it owns the product, the undo history, the commands and the
// editor size, and turns the product's state into the host's state chunk and back.
class QwelFrame : public AudioProcessorLight,
                  public virtual juce::ChangeBroadcaster,
                  public juce::ChangeListener,
                  public juce::ApplicationCommandManager,
                  public juce::MenuBarModel,
                  public virtual IdObject,
                  public PropertySource,
                  public LayoutStore
{
public:
    QwelFrame();
    ~QwelFrame() override;

    const juce::String getName() const override;
    void prepareToPlay (double sampleRate, int blockSize) override;
    void releaseResources() override;
    juce::AudioProcessorEditor* createEditor() override;
    int getNumPrograms() override { return 1; }
    const juce::String getProgramName (int) override { return getName(); }

    std::unique_ptr<juce::XmlElement> createStateXml() override;
    void restoreStateFromXml (const juce::XmlElement& xml) override;

    juce::StringArray getMenuBarNames() override;
    juce::PopupMenu getMenuForIndex (int topLevelMenuIndex, const juce::String& menuName) override;
    void menuItemSelected (int, int) override {}

    void changeListenerCallback (juce::ChangeBroadcaster*) override {}

    // Takes ownership; a different previous product is deleted.
    void setProduct (Product* newProduct);
    Product* getProduct() const noexcept { return product.get(); }
    QwelHistory* getHistory() noexcept { return &history; }
    juce::CriticalSection& getProcessLock() noexcept { return processLock; }

    void setBypassed (bool shouldBeBypassed);
    bool isBypassed() const noexcept { return bypassed.load(); }

    int getGuiWidth() const noexcept { return guiWidth; }
    int getGuiHeight() const noexcept { return guiHeight; }
    void setGuiSize (int width, int height);
    // True once a host state has set the editor size.
    bool hasRestoredGuiSize() const noexcept { return guiSizeRestored; }
    bool isFullscreen() const noexcept { return fullscreen; }
    void setFullscreen (bool shouldBeFullscreen);

    // Starts over: the product resets and the undo history is cleared.
    bool newSession();

protected:
    PlinthLook::Ptr look;
    int guiHeight = 500;
    int guiWidth = 900;
    bool fullscreen = false;
    bool guiSizeRestored = false;
    std::unique_ptr<Product> product;
    // Held by processBlock for a whole block and by every model edit of the user interface.
    juce::CriticalSection processLock;
    QwelHistory history { &processLock };
    std::atomic<bool> bypassed { false };

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (QwelFrame)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QwelFrame)
};
