#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>

// The icon sheet: every icon of the program drawn by name from one SVG document (an
// Inkscape drawing of one layer whose elements carry the icon names as ids). Each path is
// parsed on first use and kept.
class SVGIcon : public juce::DeletedAtShutdown
{
public:
    // The process-wide sheet built into the program.
    static SVGIcon* getInstance();

    // A sheet read from SVG text; an unreadable text gives a sheet without icons.
    explicit SVGIcon (const juce::String& sheetText);
    ~SVGIcon() override;

    // The icon's outline in the sheet's coordinates; empty for a name the sheet does not
    // hold or an element without path data.
    juce::Path getPath (const juce::String& name);

    // The icon fitted into a square of one control size, white or, when highlighted,
    // accent blue. Null for an empty name.
    std::unique_ptr<juce::DrawablePath> getIcon (const juce::String& name, bool highlighted = false);

    // The ids of the sheet's layer in sheet order.
    juce::StringArray getIconNames() const;

    // How many paths have been parsed from the sheet so far.
    int getNumParses() const noexcept { return numParses.load(); }

private:
    const juce::XmlElement* getLayer() const;

    std::unique_ptr<juce::XmlElement> sheet;
    juce::HashMap<juce::String, juce::Path*> cache;
    juce::OwnedArray<juce::Path> paths;
    std::atomic<int> numParses { 0 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SVGIcon)
};
