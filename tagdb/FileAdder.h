#pragma once

#include "Corvane.h"

#include <functional>
#include <set>
#include <string>

// The steps of a bulk add: the walk with type detection, the insert transaction and the link
// transaction. They touch only the database (under its lock, on private connections), so they
// may run on a worker thread; the result list is filled afterwards on the message thread.
class FileAdder
{
public:
    using StopCheck = std::function<bool()>;
    using ProgressReport = std::function<void (double)>;

    FileAdder (Corvane& library, ProgressReport report, StopCheck shouldStop = {});

    void collect (const juce::File& file, juce::Array<FileEntry>& entries);
    // Inserts new rows and makes known ones present again, in one transaction; one item per
    // distinct row. Answers the row ids, none when the transaction failed or was stopped.
    juce::Array<int> write (const juce::Array<FileEntry>& entries, const juce::Array<int>& tagIds,
                            juce::OwnedArray<TaggedItem>& items);
    bool link (const juce::Array<int>& fileIds, const juce::Array<int>& tagIds);

    // Every step for these paths; false when the library could not be written.
    bool addAll (const juce::StringArray& paths, const juce::Array<int>& tagIds, juce::OwnedArray<TaggedItem>& items,
                 Corvane::AddFilesTimes& times);

private:
    void collectBelow (const juce::File& file, juce::Array<FileEntry>& entries, std::set<std::string>& visitedFolders);
    void addEntryFor (const juce::File& file, juce::Array<FileEntry>& entries);
    bool shouldStop() const { return stopCheck != nullptr && stopCheck(); }

    Corvane& library;
    ProgressReport report;
    StopCheck stopCheck;
    juce::int64 detectTicks = 0;
};
