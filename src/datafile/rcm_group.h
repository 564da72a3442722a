// A named group of a hierarchical data file: entries and sub-groups in file
// order. A group owns its children; lookups hand out non-owning pointers that
// stay valid while the group lives (children are never moved or removed).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "datafile/rcm_entry.h"

class TRCMGroup {
public:
    std::string _id;  // the group name ("" for a new group)
    int _pos = 0;     // while reading: characters consumed up to and including "}"
    std::vector<std::unique_ptr<TRCMGroup>> _listaGrup;    // sub-groups
    std::vector<std::unique_ptr<TRCMEntry>> _listaWpisow;  // entries

    // The written form with the given indentation: name + " {" line (when
    // named), one empty line when there are no entries, each entry on a line
    // of its own after indentation + tab, the sub-groups one tab deeper, and
    // "}" plus an empty line (when named).
    std::string save(const std::string& indent) const;
    // Appends the written form to out (the same text as save).
    void saveTo(std::string& out, const std::string& indent) const;
    // Writes the group to standard output, one line each, in the debug form
    // indent + name + "{" ... indent + "}".
    void showGroup(const std::string& indent) const;

    // The first sub-group / entry whose name equals name regardless of letter
    // case, or nullptr.
    TRCMGroup* getGroup(const std::string& name);
    const TRCMGroup* getGroup(const std::string& name) const;
    TRCMEntry* getEntry(const std::string& name);
    const TRCMEntry* getEntry(const std::string& name) const;

    // Stores value at index into the entry named key (its type unchanged) or
    // into a new string entry.
    int setStringEntry(const std::string& key, const std::string& value, int index);
    // The same with the float's "%#.9g" text; a new entry is a number entry.
    int setFloatEntry(const std::string& key, float value, int index);
    // Appends a new string entry holding value at index.
    TRCMEntry* _addEntry(const std::string& key, const std::string& value, int index);
};
