#include "TestSupport.h"
#include "framework/folders/WisedFileList.h"

#include <gtest/gtest.h>

using namespace corvane::test;

namespace
{
void addFolders (WisedFileList& list, std::initializer_list<juce::File> folders)
{
    for (auto& f : folders)
        list.addFile (new WisedFile (f));
}
} // namespace

TEST (WisedFileList, MissingOrUnreadableFileGivesAnEmptyList)
{
    TempFolder temp;
    WisedFileList missing (temp / "common/path.xml", temp / "user/path.xml");
    EXPECT_EQ (missing.getNumRows(), 0);

    (temp / "common/path.xml").create();
    (temp / "common/path.xml").replaceWithText ("<paths><path path=");
    WisedFileList broken (temp / "common/path.xml", temp / "user/path.xml");
    EXPECT_EQ (broken.getNumRows(), 0);
}

TEST (WisedFileList, SavingAndLoadingKeepOrderAndText)
{
    TempFolder temp;
    const auto common = temp / "common/path.xml";
    const juce::File folders[] = { temp / "z", temp / juce::String (juce::CharPointer_UTF8 ("\xc3\xa9t\xc3\xa9 & \"x\"")), temp / "a" };

    {
        WisedFileList list (common, temp / "user/path.xml");
        addFolders (list, { folders[0], folders[1], folders[2] });
        EXPECT_EQ (list.save(), common);
    }

    WisedFileList loaded (common, temp / "user/path.xml");
    ASSERT_EQ (loaded.getPaths().size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ (loaded.getPaths()[i], folders[i].getFullPathName());

    const auto xml = juce::parseXML (common);
    ASSERT_NE (xml, nullptr);
    EXPECT_TRUE (xml->hasTagName ("paths"));
    EXPECT_EQ (xml->getChildElement (0)->getTagName(), "path");
}

TEST (WisedFileList, UnwritableCommonFolderKeepsReadingItAndWritesTheUsersCopy)
{
    TempFolder temp;
    const auto common = temp / "opt/Qwel/path.xml";
    const auto user = temp / "home/Qwel/path.xml";
    common.create();
    common.replaceWithText ("<paths><path path=\"" + (temp / "machine").getFullPathName() + "\"/></paths>");
    const auto before = common.loadFileAsString();
    const auto onlyUserIsWritable = [&] (const juce::File& f) { return ! f.isAChildOf (temp / "opt"); };

    {
        WisedFileList list (common, user, onlyUserIsWritable);
        EXPECT_EQ (list.getPaths(), juce::StringArray ((temp / "machine").getFullPathName()));
        EXPECT_EQ (list.getWriteTarget(), user);
        addFolders (list, { temp / "mine" });
        EXPECT_EQ (list.save(), user);
    }

    EXPECT_EQ (common.loadFileAsString(), before);
    WisedFileList again (common, user, onlyUserIsWritable);
    EXPECT_EQ (again.getPaths(), juce::StringArray ((temp / "machine").getFullPathName(), (temp / "mine").getFullPathName()));

    // A plain file where the folder should be cannot be written by anybody.
    const auto blocked = temp / "blocker";
    blocked.replaceWithText ("x");
    WisedFileList nowhere (blocked.getChildFile ("path.xml"), blocked.getChildFile ("user.xml"));
    EXPECT_EQ (nowhere.getWriteTarget(), juce::File());
    EXPECT_EQ (nowhere.save(), juce::File());
}

TEST (WisedFileList, ChangedFolderUpdatesItsRow)
{
    TempFolder temp;
    WisedFileList list (temp / "c/path.xml", temp / "u/path.xml");
    addFolders (list, { temp / "one", temp / "two" });

    list[1]->setFile (temp / "three");
    EXPECT_TRUE (pumpUntil ([&] { return list.getPaths()[1] == (temp / "three").getFullPathName(); }));

    list.removeFile (0);
    EXPECT_EQ (list.getPaths(), juce::StringArray ((temp / "three").getFullPathName()));
}
