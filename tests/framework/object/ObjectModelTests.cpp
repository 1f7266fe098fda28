#include "ChangeCounter.h"
#include "framework/object/HistorySource.h"
#include "framework/object/SimpleNamableObject.h"
#include "framework/object/ServiceLookup.h"
#include "framework/object/XmlAbleFactory.h"
#include "framework/parameters/ParameterGroup.h"
#include "shell/history/QwelHistory.h"

#include <gtest/gtest.h>

using corvane::test::ChangeCounter;

namespace
{
class Named : public SimpleNamableObject
{
};

// A saved object whose type name is its name, like a parameter.
class Thing : public XmlAbleFactoryProduct,
              public SimpleNamableObject
{
public:
    juce::String getName() const override { return SimpleNamableObject::getName(); }
    using SimpleNamableObject::setName;
    void setName (const juce::String& n) override { SimpleNamableObject::setName (n); }
    bool isNameReadOnly() const override { return SimpleNamableObject::isNameReadOnly(); }

    std::unique_ptr<juce::XmlElement> createXml() override { return makeXml ("thing"); }
    juce::String getXmlTag() override { return makeXmlTag ("thing"); }
    juce::String getTypeName() const override { return getName(); }
    void writeAttributes (juce::XmlElement& e, int mode) override
    {
        e.setAttribute ("payload", payload);
        e.setAttribute ("mode", mode);
    }
    void readAttributes (const juce::XmlElement& e, int, QwelHistory*) override { payload = e.getIntAttribute ("payload", payload); }

    int payload = 0;
};

struct CountingAction : juce::UndoableAction
{
    explicit CountingAction (int& counter) : performed (counter) {}
    bool perform() override { ++performed; return true; }
    bool undo() override { --performed; return true; }
    int& performed;
};

struct HistoryHolder : juce::Component, HistorySource
{
    QwelHistory history;
    QwelHistory* getHistory() override { return &history; }
};
} // namespace

TEST (Naming, RenamingToTheSameNameIsSilentUnlessForced)
{
    Named n;
    n.setName ("kick");
    ChangeCounter changes (n);
    changes.settle();
    changes.count = 0;

    n.setName ("kick");
    EXPECT_EQ (changes.settle(), 0);

    n.setName ("kick", true);
    EXPECT_EQ (changes.settle(), 1);

    n.setName ("snare");
    EXPECT_EQ (changes.settle(), 2);
    EXPECT_EQ (n.getName(), "snare");
}

TEST (Identity, SettingTheSameIdIsSilentAndRenewingChangesIt)
{
    Thing t;
    ChangeCounter changes (t);
    const auto id = t.getId();

    t.setId (id);
    EXPECT_EQ (changes.settle(), 0);

    t.renewId();
    EXPECT_NE (t.getId(), id);
    EXPECT_EQ (changes.settle(), 1);
    EXPECT_EQ (t.getId().toString().length(), 32);
}

TEST (Persistence, SavesUnderTheCurrentTypeNameAndRestoresIdAndAttributes)
{
    Thing original;
    original.setName ("Loop Length");
    original.payload = 7;

    juce::XmlElement parent ("root");
    original.saveToXml (parent, XmlAble::stateMode);

    // Blanks are no part of an XML name; the tag must still parse back.
    auto* child = parent.getFirstChildElement();
    ASSERT_NE (child, nullptr);
    EXPECT_EQ (child->getTagName(), "loop_lengththing");
    EXPECT_EQ (child->getStringAttribute ("type"), "thing");
    EXPECT_EQ (child->getStringAttribute ("id"), original.getId().toString());
    EXPECT_NE (juce::parseXML (parent.toString()), nullptr);

    Thing copy;
    copy.setName ("Loop Length");
    copy.loadFromXml (parent, XmlAble::stateMode, nullptr);
    EXPECT_EQ (copy.payload, 7);
    EXPECT_EQ (copy.getId(), original.getId());

    // Renamed, the object looks for another tag and finds nothing.
    Thing renamed;
    renamed.setName ("other");
    const auto idBefore = renamed.getId();
    renamed.loadFromXml (parent, XmlAble::stateMode, nullptr);
    EXPECT_EQ (renamed.payload, 0);
    EXPECT_EQ (renamed.getId(), idBefore);
}

TEST (Persistence, AnUnreadableIdKeepsTheCurrentOne)
{
    Thing t;
    t.setName ("x");
    const auto before = t.getId();

    for (auto* idText : { "", "zz", "not-a-uuid-at-all-not-a-uuid-at-all" })
    {
        auto xml = juce::parseXML (juce::String ("<r><xthing id=\"") + idText + "\" payload=\"3\"/></r>");
        t.loadFromXml (*xml, XmlAble::stateMode, nullptr);
        EXPECT_EQ (t.getId(), before) << idText;
    }
    EXPECT_EQ (t.payload, 3);
}

TEST (Factory, NamesUnnamedProductsUnlessAskedNotTo)
{
    XmlAbleFactoryT<Thing> factory ("widget");

    std::unique_ptr<XmlAbleFactoryProduct> named (factory.create());
    std::unique_ptr<XmlAbleFactoryProduct> unnamed (factory.create (true));

    EXPECT_EQ (named->getName(), "widget");
    EXPECT_EQ (unnamed->getName(), "");
    EXPECT_EQ (named->getFactory(), &factory);
    EXPECT_EQ (named->getIconName(), "star");
}

TEST (Lookups, OutsideAnEditorActionsRunOnceAndAreNotKept)
{
    juce::Component loose, child;
    loose.addChildComponent (child);

    int performed = 0;
    EXPECT_EQ (findHistory (&child), nullptr);
    performUndoable (new CountingAction (performed), &child);
    performUndoable (new CountingAction (performed), nullptr);
    EXPECT_EQ (performed, 2);

    // Both fall back to the same process-wide lock and default group.
    EXPECT_EQ (&findLock (&child), &findLock (nullptr));
    EXPECT_EQ (&findParameterGroup (&child), &ParameterGroup::getDefaultGroup());
}

TEST (Lookups, InsideAHistorySourceActionsAreRecorded)
{
    HistoryHolder holder;
    juce::Component child;
    holder.addChildComponent (child);

    int performed = 0;
    EXPECT_EQ (findHistory (&child), &holder.history);
    // The component itself is not asked, only its parents.
    EXPECT_EQ (findHistory (&holder), nullptr);

    beginTransaction ("first", &child);
    performUndoable (new CountingAction (performed), &child);
    EXPECT_EQ (performed, 1);
    EXPECT_TRUE (holder.history.canUndo());
    EXPECT_EQ (holder.history.getUndoDescription(), "first");

    holder.history.undo();
    EXPECT_EQ (performed, 0);
}
