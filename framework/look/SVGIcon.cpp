#include "SVGIcon.h"

#include "Palette.h"
#include "PlinthLook.h"

#include "CorvaneBinary.h"

namespace
{
SVGIcon* sheetInstance = nullptr;

// Coordinates the parser could not read leave nothing that can be drawn or scaled.
bool isDrawable (const juce::Path& path)
{
    const auto bounds = path.getBounds();
    return std::isfinite (bounds.getX()) && std::isfinite (bounds.getY())
           && std::isfinite (bounds.getWidth()) && std::isfinite (bounds.getHeight());
}
} // namespace

SVGIcon* SVGIcon::getInstance()
{
    const juce::ScopedLock sl (Palette::getLock());

    if (sheetInstance == nullptr)
        sheetInstance = new SVGIcon (juce::String::fromUTF8 (CorvaneBinary::icons_svg, CorvaneBinary::icons_svgSize));

    return sheetInstance;
}

SVGIcon::SVGIcon (const juce::String& sheetText)
    : sheet (juce::parseXML (sheetText))
{
}

SVGIcon::~SVGIcon()
{
    const juce::ScopedLock sl (Palette::getLock());

    if (sheetInstance == this)
        sheetInstance = nullptr;
}

const juce::XmlElement* SVGIcon::getLayer() const
{
    return sheet != nullptr ? sheet->getChildByName ("g") : nullptr;
}

juce::Path SVGIcon::getPath (const juce::String& name)
{
    if (auto* cached = cache[name])
        return *cached;

    juce::Path path;

    if (auto* layer = getLayer())
    {
        if (auto* element = layer->getChildByAttribute ("id", name); element != nullptr && element->hasAttribute ("d"))
        {
            ++numParses;
            path = juce::Drawable::parseSVGPath (element->getStringAttribute ("d"));

            if (! isDrawable (path))
                path.clear();
        }
    }

    auto* kept = paths.add (new juce::Path (path));
    cache.set (name, kept);
    return path;
}

std::unique_ptr<juce::DrawablePath> SVGIcon::getIcon (const juce::String& name, bool highlighted)
{
    if (name.isEmpty())
        return nullptr;

    auto path = getPath (name);
    const auto size = (float) PlinthLook::controlSize;

    if (! path.getBounds().isEmpty())
        path.applyTransform (path.getTransformToScaleToFit (0.0f, 0.0f, size, size, true));

    auto icon = std::make_unique<juce::DrawablePath>();
    icon->setPath (path);
    icon->setFill (highlighted ? Palette::accentBlue : Palette::white);
    return icon;
}

juce::StringArray SVGIcon::getIconNames() const
{
    juce::StringArray names;

    if (auto* layer = getLayer())
        for (auto* element : layer->getChildIterator())
            names.add (element->getStringAttribute ("id"));

    return names;
}
