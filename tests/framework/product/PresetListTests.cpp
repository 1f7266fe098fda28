#include "framework/parameters/ParameterList.h"
#include "framework/parameters/SimpleParameter.h"
#include "framework/product/PresetListGUI.h"
#include "framework/object/HistorySource.h"
#include "shell/history/QwelHistory.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
using corvane::test::TempFolder;

// A preset list whose two folders live in a temporary folder.
class TestPresetList : public PresetListBase
{
public:
    explicit TestPresetList (const juce::File& base)
        : PresetListBase ("testproduct", "Test", "presets"), factory (base.getChildFile ("factory")), user (base.getChildFile ("user"))
    {
    }

    juce::File getFactoryFolder() const override { return factory; }
    juce::File getUserFolder() const override { return user; }

    juce::File factory, user;
};

// The state that presets carry: two parameters.
class Model : public PresetSource, public PresetListListener
{
public:
    Model()
    {
        gain = parameters.addParameter (new SimpleParameter ("gain", 0.0, 10.0, 1.0));
        mix = parameters.addParameter (new SimpleParameter ("mix", 0.0, 1.0, 0.5));
    }

    Preset* createPreset() override
    {
        auto* preset = new Preset ("testproduct", 1.0);
        parameters.savePresets (*preset, 1);
        return preset;
    }

    void presetLoaded (PresetListBase*, const juce::XmlElement& preset, QwelHistory* history) override
    {
        parameters.loadPresets (preset, 1, history);
    }

    ParameterList parameters { "params" };
    Parameter* gain = nullptr;
    Parameter* mix = nullptr;
};

struct PresetFixture : public ::testing::Test
{
    PresetFixture()
    {
        list.factory.createDirectory();
        list.user.createDirectory();
        list.addListener (&model);
    }

    ~PresetFixture() override { list.removeListener (&model); }

    void writeFile (const juce::File& file, const juce::String& text)
    {
        file.getParentDirectory().createDirectory();
        ASSERT_TRUE (file.replaceWithText (text));
    }

    juce::String presetText (const juce::String& name, double gain, double mix)
    {
        return "<preset type=\"testproduct\" version=\"1\" name=\"" + name + "\"><parameters name=\"params\">"
               "<parameter name=\"mix\" value=\"" + juce::String (mix, 12) + "\"><modulations/></parameter>"
               "<parameter name=\"gain\" value=\"" + juce::String (gain, 12) + "\"><modulations/></parameter>"
               "</parameters></preset>";
    }

    // The icon names of the menu's items by their texts, submenus included.
    std::map<juce::String, bool> itemsWithIcons (juce::PopupMenu& menu)
    {
        std::map<juce::String, bool> items;
        for (juce::PopupMenu::MenuItemIterator it (menu, true); it.next();)
            if (it.getItem().subMenu == nullptr)
                items[it.getItem().text] = it.getItem().image != nullptr;
        return items;
    }

    TempFolder temp;
    TestPresetList list { temp.get() };
    Model model;
    QwelHistory history;
};
} // namespace

TEST_F (PresetFixture, MenuTicksInitWhenThereIsNoCurrentFileAndSkipsWhatIsNoPreset)
{
    writeFile (list.factory.getChildFile ("init.xml"), presetText ("init", 1.0, 0.5));
    writeFile (list.factory.getChildFile ("bright.xml"), presetText ("bright", 3.0, 0.5));
    writeFile (list.user.getChildFile ("mine/soft.xml"), presetText ("soft", 2.0, 0.1));
    writeFile (list.user.getChildFile ("empty.xml"), {});
    writeFile (list.user.getChildFile ("other.xml"), "<preset type=\"otherproduct\" name=\"other\"/>");
    writeFile (list.user.getChildFile ("notes.txt"), presetText ("notes", 1.0, 0.5));
    writeFile (list.user.getChildFile ("emptyfolder/readme.md"), "nothing");
    juce::MemoryBlock binary;
    for (int i = 0; i < 4096; ++i)
        binary.append (&i, 1);
    list.user.getChildFile ("binary.xml").replaceWithData (binary.getData(), binary.getSize());

    EXPECT_EQ (list.getCurrentName(), "(select preset)");
    juce::PopupMenu menu;
    list.buildMenu (menu, 1);

    const auto items = itemsWithIcons (menu);
    const std::map<juce::String, bool> expected { { "init", true }, { "bright", false }, { "soft", false } };
    EXPECT_EQ (items, expected);
    EXPECT_EQ (list.getCurrentFile(), list.factory.getChildFile ("init.xml").getFullPathName());

    // User presets first, factory after, in menu order.
    const juce::StringArray paths { list.user.getChildFile ("mine/soft.xml").getFullPathName(),
                                    list.factory.getChildFile ("bright.xml").getFullPathName(),
                                    list.factory.getChildFile ("init.xml").getFullPathName() };
    EXPECT_EQ (list.getAllPresetPaths(), paths);
    EXPECT_EQ (list.previousPreset(), paths[1]);
    EXPECT_EQ (list.nextPreset(), juce::String());

    for (auto* name : { "empty.xml", "other.xml", "binary.xml" })
        EXPECT_EQ (list.loadPresetFile (list.user.getChildFile (name).getFullPathName()), nullptr) << name;
}

TEST_F (PresetFixture, MissingFoldersGiveAnEmptyMenu)
{
    TestPresetList absent (temp.get().getChildFile ("does/not/exist"));
    juce::PopupMenu menu;
    absent.buildMenu (menu, 1);
    EXPECT_TRUE (itemsWithIcons (menu).empty());
    EXPECT_TRUE (absent.getAllPresetPaths().isEmpty());
    EXPECT_EQ (absent.getCurrentFile(), juce::String());
}

TEST (PresetComparison, IgnoresIdsAndDifferencesBeyondTheNinthDecimal)
{
    struct Case
    {
        const char* a;
        const char* b;
        bool equal;
    };

    const Case cases[] {
        { "<p value=\"0.1234567891\"/>", "<p value=\"0.1234567894\"/>", true },
        { "<p value=\"0.123456789\"/>", "<p value=\"0.123456788\"/>", false },
        { "<p value=\"1\"/>", "<p value=\"1.000000000\"/>", true },
        { "<p value=\"-2.5\"/>", "<p value=\"-2.50000000001\"/>", true },
        { "<p id=\"aa\" refid=\"bb\" v=\"1\"/>", "<p id=\"cc\" refid=\"dd\" v=\"1\"/>", true },
        { "<p name=\"Soft\"/>", "<p name=\"soft\"/>", false },
        { "<p a=\"1\"/>", "<p a=\"1\" b=\"2\"/>", false },
        { "<p><c v=\"1\"/></p>", "<p><c v=\"1.0000000001\"/></p>", true },
        { "<p><c v=\"1\"/></p>", "<p><c v=\"2\"/></p>", false },
        { "<p><c/></p>", "<p/>", false },
        { "<p v=\"99999999999999999999999999999\"/>", "<p v=\"99999999999999999999999999998\"/>", true },
    };

    for (auto& c : cases)
    {
        auto a = juce::parseXML (c.a);
        auto b = juce::parseXML (c.b);
        EXPECT_EQ (PresetListBase::presetsEqual (*a, *b), c.equal) << c.a << " / " << c.b;
    }
}

TEST_F (PresetFixture, SavingAppendsTheExtensionAndNamesThePreset)
{
    model.gain->setValue (nullptr, {}, true, 4.0);
    ASSERT_TRUE (list.savePresetTo (list.user.getChildFile ("warm")));

    const auto file = list.user.getChildFile ("warm.xml");
    ASSERT_TRUE (file.existsAsFile());
    EXPECT_FALSE (list.user.getChildFile ("warm").exists());
    auto saved = juce::parseXML (file);
    ASSERT_NE (saved, nullptr);
    EXPECT_EQ (saved->getStringAttribute ("name"), "warm");
    EXPECT_EQ (list.getCurrentName(), "warm");
    EXPECT_EQ (list.getCurrentFile(), file.getFullPathName());
    EXPECT_FALSE (list.isModified());

    model.gain->setValue (nullptr, {}, true, 5.0);
    list.setModifiedUnknown();
    EXPECT_TRUE (list.isModified());

    // Back to the saved value, off by less than the file can tell.
    model.gain->setValue (nullptr, {}, true, 4.0000000000001);
    list.setModifiedUnknown();
    EXPECT_FALSE (list.isModified());

    // A folder that cannot be made: nothing is written and the current preset stays.
    const auto blocker = temp.get().getChildFile ("blocker");
    blocker.replaceWithText ("a file where a folder would go");
    EXPECT_FALSE (list.savePresetTo (blocker.getChildFile ("sub/name")));
    EXPECT_EQ (list.getCurrentName(), "warm");
}

TEST_F (PresetFixture, UndoRestoresTheEarlierStateEvenAfterTheFileIsGone)
{
    const auto file = list.user.getChildFile ("loud.xml");
    writeFile (file, presetText ("loud", 9.0, 0.9));
    model.gain->setValue (nullptr, {}, true, 2.0);
    model.mix->setValue (nullptr, {}, true, 0.25);

    history.beginNewTransaction ("change preset");
    history.perform (new PresetListBase::UndoablePresetChange (list, file.getFullPathName()));
    EXPECT_DOUBLE_EQ (model.gain->getValue(), 9.0);
    EXPECT_DOUBLE_EQ (model.mix->getValue(), 0.9);
    EXPECT_EQ (list.getCurrentName(), "loud");

    ASSERT_TRUE (file.deleteFile());
    ASSERT_TRUE (history.undo());
    EXPECT_DOUBLE_EQ (model.gain->getValue(), 2.0);
    EXPECT_DOUBLE_EQ (model.mix->getValue(), 0.25);
    EXPECT_NE (list.getCurrentName(), "loud");

    ASSERT_TRUE (history.redo());
    EXPECT_DOUBLE_EQ (model.gain->getValue(), 9.0);
    EXPECT_TRUE (history.canUndo());
}

TEST_F (PresetFixture, AFileThatCannotBeLoadedLeavesStateAndHistoryAlone)
{
    struct SetGain : juce::UndoableAction
    {
        Parameter& p;
        double from, to;
        SetGain (Parameter& parameter, double newValue) : p (parameter), from (parameter.getValue()), to (newValue) {}
        bool perform() override { p.setValue (nullptr, {}, true, to); return true; }
        bool undo() override { p.setValue (nullptr, {}, true, from); return true; }
    };

    history.beginNewTransaction ("change \"gain\"");
    history.perform (new SetGain (*model.gain, 7.0));

    writeFile (list.user.getChildFile ("a.xml"), presetText ("a", 3.0, 0.3));
    const auto paths = list.getAllPresetPaths();
    ASSERT_EQ (paths.size(), 1);
    list.user.getChildFile ("a.xml").replaceWithText ("<<< broken");

    history.beginNewTransaction ("change preset");
    EXPECT_FALSE (list.presetChosen (1, 1, &history));
    EXPECT_DOUBLE_EQ (model.gain->getValue(), 7.0);
    EXPECT_EQ (history.getUndoDescription(), "change \"gain\"");

    // Undoable changes to files that do not load record nothing.
    history.beginNewTransaction ("change preset");
    EXPECT_FALSE (history.perform (new PresetListBase::UndoablePresetChange (list, paths[0])));
    EXPECT_EQ (history.getUndoDescription(), "change \"gain\"");
}

TEST_F (PresetFixture, OutlandishValuesInAPresetLeaveNumbersBehind)
{
    const auto file = list.user.getChildFile ("wild.xml");
    writeFile (file, "<preset type=\"testproduct\" name=\"wild\"><parameters name=\"params\">"
                     "<parameter name=\"gain\" value=\"1e999\"/><parameter name=\"mix\" value=\"lots\"/></parameters></preset>");

    ASSERT_TRUE (list.applyPreset (list.loadPresetFile (file.getFullPathName()), nullptr));
    EXPECT_TRUE (std::isfinite (model.gain->getValue()));
    EXPECT_TRUE (std::isfinite (model.mix->getValue()));
}

TEST_F (PresetFixture, SnapshotsCarryTheTime)
{
    list.takeSnapshot();
    ASSERT_EQ (list.getNumSnapshots(), 1);
    const auto time = list.getSnapshot (0)->getStringAttribute ("time");
    EXPECT_TRUE (time.containsIgnoreCase ("am") || time.containsIgnoreCase ("pm")) << time;
    EXPECT_EQ (list.getSnapshot (0)->getChildByName ("parameters")->getNumChildElements(), 2);
}

namespace
{
// The editor around the preset bar, offering its history.
struct Editor : public juce::Component, public HistorySource
{
    explicit Editor (QwelHistory& h) : history (h) { setSize (400, 18); }
    QwelHistory* getHistory() override { return &history; }
    QwelHistory& history;
};
} // namespace

TEST_F (PresetFixture, PresetBarStepsAndTakesDropsAsUndoSteps)
{
    writeFile (list.user.getChildFile ("a.xml"), presetText ("a", 3.0, 0.3));
    writeFile (list.user.getChildFile ("b.xml"), presetText ("b", 6.0, 0.6));
    model.gain->setValue (nullptr, {}, true, 1.5);

    Editor editor (history);
    PresetListGUI bar (list);
    editor.addAndMakeVisible (bar);

    bar.getNextButton().triggerClick();
    corvane::test::pumpUntil ([&] { return list.getCurrentName() == "a"; });
    EXPECT_DOUBLE_EQ (model.gain->getValue(), 3.0);
    EXPECT_EQ (history.getUndoDescription(), "change preset");

    bar.getNextButton().triggerClick();
    corvane::test::pumpUntil ([&] { return list.getCurrentName() == "b"; });
    EXPECT_DOUBLE_EQ (model.gain->getValue(), 6.0);
    EXPECT_TRUE (corvane::test::pumpUntil ([&] { return bar.getShownName() == "b"; }));

    history.undo();
    EXPECT_DOUBLE_EQ (model.gain->getValue(), 3.0);
    history.undo();
    EXPECT_DOUBLE_EQ (model.gain->getValue(), 1.5);

    // A dropped preset file is loaded; other files are not wanted.
    const auto dropped = temp.get().getChildFile ("dropped.xml");
    writeFile (dropped, presetText ("dropped", 8.0, 0.8));
    EXPECT_FALSE (bar.isInterestedInFileDrag ({ temp.get().getChildFile ("nothing.wav").getFullPathName() }));
    EXPECT_TRUE (bar.isInterestedInFileDrag ({ dropped.getFullPathName() }));
    bar.filesDropped ({ dropped.getFullPathName() }, 0, 0);
    EXPECT_DOUBLE_EQ (model.gain->getValue(), 8.0);
    EXPECT_EQ (list.getCurrentName(), "dropped");
}
