#include "SearchQuery.h"

namespace
{
const juce::String orderBy (" ORDER BY ");

} // namespace

juce::String conditionsOf (const juce::String& filter)
{
    const auto at = filter.lastIndexOf (orderBy);
    return at >= 0 ? filter.substring (0, at) : filter;
}

juce::String orderingOf (const juce::String& filter)
{
    const auto at = filter.lastIndexOf (orderBy);
    return at >= 0 ? filter.substring (at) : juce::String();
}

juce::String buildQuery (const juce::Array<int>& tags, const juce::String& filter)
{
    if (tags.isEmpty())
        return "SELECT id AS file,tags_files.tag AS tag,quality,type FROM data LEFT JOIN tags_files ON tags_files.file = data.id WHERE 1=1 "
               + filter;

    juce::String query = "SELECT file,tag,quality,type FROM tags_files JOIN data ON data.id = tags_files.file " + filter;

    for (int i = tags.size(); --i >= 0;)
        query = "SELECT distinct(moreTags.file) AS file , moreTags.tag as tag, t.quality, t.type FROM (" + query
                + ") t JOIN tags_files AS moreTags ON t.file = moreTags.file WHERE t.tag = " + juce::String (tags.getUnchecked (i));

    if (filter.contains ("random"))
        query << " ORDER BY random()";

    return query;
}

juce::String buildCountQuery (const juce::Array<int>& tags, const juce::String& filter)
{
    return "SELECT t.tag,count(t.file) FROM (" + buildQuery (tags, filter) + ") t GROUP BY t.tag;";
}

juce::String buildItemQuery (const juce::Array<int>& tags, const juce::String& filter)
{
    auto ordering = orderingOf (filter);

    // Equal ratings come newest first, so that the order does not depend on the plan.
    if (ordering.contains ("quality"))
        ordering << ", id DESC";

    if (tags.isEmpty())
        return "SELECT id, quality, type FROM data WHERE 1=1" + conditionsOf (filter) + ordering;

    // A file has each tag once (the links are unique), so walking the files of the first tag
    // and testing the others gives each file once, in the tag index's file order.
    juce::String query ("SELECT id, quality, type FROM tags_files AS first JOIN data ON data.id = first.file WHERE first.tag = ");
    query << tags.getFirst();

    for (int i = 1; i < tags.size(); ++i)
        query << " AND EXISTS (SELECT 1 FROM tags_files WHERE file = first.file AND tag = " << tags.getUnchecked (i) << ")";

    return query + conditionsOf (filter) + ordering.replace (" id DESC", " first.file DESC");
}

bool listsNewestFirst (const juce::String& filter)
{
    return orderingOf (filter).trim() == "ORDER BY id DESC";
}
