#include "QwelFrameGUI.h"

#include "framework/product/Product.h"
#include "shell/history/QwelCommandIds.h"
#include "shell/history/QwelCommandTable.h"
#include "shell/processor/QwelFrame.h"

QwelFrameGUI::QwelFrameGUI (QwelFrame& frameToShow)
    : juce::AudioProcessorEditor (frameToShow),
      frame (frameToShow)
{
    setLookAndFeel (PlinthLook::getInstance().get());

    if (auto* product = frame.getProduct())
    {
        productPanel.reset (product->createParametersComponent());
        if (productPanel != nullptr)
            addAndMakeVisible (*productPanel);
    }

    setResizable (true, true);
    setResizeLimits (200, 100, 8192, 8192);
    setSize (frame.getGuiWidth(), frame.getGuiHeight());
    frame.addChangeListener (this);

    registerCommands();
}

QwelFrameGUI::~QwelFrameGUI()
{
    frame.removeChangeListener (this);

    if (frame.getFirstCommandTarget (0) == this)
        frame.setFirstCommandTarget (nullptr);

    removeKeyListener (frame.getKeyMappings());
    productPanel.reset();
    setLookAndFeel (nullptr);
}

QwelHistory* QwelFrameGUI::getHistory()
{
    return frame.getHistory();
}

juce::CriticalSection& QwelFrameGUI::getLock()
{
    return frame.getProcessLock();
}

void QwelFrameGUI::paint (juce::Graphics& g)
{
    g.fillAll (findColour (juce::ResizableWindow::backgroundColourId));
}

void QwelFrameGUI::resized()
{
    frame.setGuiSize (getWidth(), getHeight());

    if (productPanel != nullptr)
        productPanel->setBounds (getLocalBounds());
}

void QwelFrameGUI::changeListenerCallback (juce::ChangeBroadcaster*)
{
    repaint();
}

void QwelFrameGUI::registerCommands()
{
    for (auto id : { QwelCommandIds::save, QwelCommandIds::saveAs, QwelCommandIds::open, QwelCommandIds::newSession,
                     QwelCommandIds::undo, QwelCommandIds::redo, QwelCommandIds::quit, QwelCommandIds::preferences,
                     QwelCommandIds::toggleFullscreen })
        addCommand (id);

    // Registered with the frame so that the menu model lists them and ctrl+Z / ctrl+Y undo and
    // redo while the window has the keyboard focus. The other default keys stay unbound: inside
    // a host they would take the host's own save, new, open and quit keys away from it. A
    // command already known from an earlier editor keeps its entry: undo and redo change their
    // names with the history, and the current name is asked from the target whenever shown.
    for (auto id : getCommandIds())
    {
        if (frame.getCommandForID (id) != nullptr)
            continue;

        juce::ApplicationCommandInfo info (id);
        getCommandInfo (id, info);

        if (id != QwelCommandIds::undo && id != QwelCommandIds::redo)
            info.defaultKeypresses.clear();

        frame.registerCommand (info);
    }

    frame.setFirstCommandTarget (this);
    setWantsKeyboardFocus (true);
    addKeyListener (frame.getKeyMappings());
}

void QwelFrameGUI::getCommandInfo (juce::CommandID id, juce::ApplicationCommandInfo& info)
{
    if (! QwelCommandTable::fillCommandInfo (id, info, frame.getHistory()))
    {
        QwelCommandTarget::getCommandInfo (id, info);
        return;
    }

    // Quitting stops the message loop, which inside a host belongs to the host: only a
    // standalone program may quit, and elsewhere the key is left to the host.
    if (id == QwelCommandIds::quit)
        info.setActive (frame.wrapperType == juce::AudioProcessor::wrapperType_Standalone);
}

bool QwelFrameGUI::perform (const InvocationInfo& info)
{
    auto* history = frame.getHistory();

    switch (info.commandID)
    {
        case QwelCommandIds::save:
            saveProductToFile();
            return true;
        case QwelCommandIds::newSession:
            frame.newSession();
            return true;
        case QwelCommandIds::undo:
        {
            const juce::ScopedLock sl (history->getLock());
            history->undo();
            return true;
        }
        case QwelCommandIds::redo:
        {
            const juce::ScopedLock sl (history->getLock());
            history->redo();
            return true;
        }
        case QwelCommandIds::quit:
            if (frame.wrapperType == juce::AudioProcessor::wrapperType_Standalone && frame.newSession())
                juce::MessageManager::getInstance()->stopDispatchLoop();
            return true;
        case QwelCommandIds::saveAs:
        case QwelCommandIds::open:
        case QwelCommandIds::preferences:
            return true;
        case QwelCommandIds::toggleFullscreen:
            frame.setFullscreen (! frame.isFullscreen());
            return true;
        default:
            break;
    }

    if (auto* next = getNextCommandTarget())
        return next->perform (info);

    return false;
}

void QwelFrameGUI::saveProductToFile()
{
    auto* product = frame.getProduct();
    if (product == nullptr)
        return;

    auto element = std::make_shared<juce::XmlElement> (product->getPresetType());
    product->saveToXml (*element, XmlAble::stateMode);

    // Asynchronous: a modal loop inside a host's message loop can freeze the host.
    fileChooser = std::make_unique<juce::FileChooser> ("save", juce::File(), "*.xml", true);

    const auto chooserFlags = juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectFiles
                     | juce::FileBrowserComponent::warnAboutOverwriting;

    fileChooser->launchAsync (chooserFlags, [element] (const juce::FileChooser& chooser)
    {
        const auto file = chooser.getResult();
        if (file == juce::File())
            return;

        juce::XmlElement::TextFormat format;
        format.customEncoding = "UTF-8";
        format.lineWrapLength = 60;
        element->writeTo (file, format);
    });
}
