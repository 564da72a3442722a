// A named group of a hierarchical data file.
#include "datafile/rcm_group.h"

#include "app/numbers.h"
#include "app/strings.h"
#include "platform/system.h"

std::string TRCMGroup::save(const std::string& indent) const {
    std::string out;
    saveTo(out, indent);
    return out;
}

void TRCMGroup::saveTo(std::string& out, const std::string& indent) const {
    const bool named = !_id.empty();
    if (named) {
        out += indent;
        out += _id;
        out += " {\n";
    }
    if (_listaWpisow.empty()) out += '\n';
    for (const auto& e : _listaWpisow) {
        out += indent;
        out += '\t';
        out += e->toTxt();
        out += '\n';
    }
    const std::string inner = indent + "\t";
    for (const auto& g : _listaGrup) g->saveTo(out, inner);
    if (named) {
        out += indent;
        out += "}\n\n";
    }
}

void TRCMGroup::showGroup(const std::string& indent) const {
    platform::printLine(indent + _id + "{");
    if (_listaWpisow.empty()) platform::printLine("");
    for (const auto& e : _listaWpisow) platform::printLine(indent + "\t" + e->toTxt());
    const std::string inner = indent + "\t";
    for (const auto& g : _listaGrup) g->showGroup(inner);
    platform::printLine(indent + "}");
}

const TRCMGroup* TRCMGroup::getGroup(const std::string& name) const {
    for (const auto& g : _listaGrup)
        if (sameUpperCase(g->_id, name)) return g.get();
    return nullptr;
}

TRCMGroup* TRCMGroup::getGroup(const std::string& name) {
    return const_cast<TRCMGroup*>(static_cast<const TRCMGroup*>(this)->getGroup(name));
}

const TRCMEntry* TRCMGroup::getEntry(const std::string& name) const {
    for (const auto& e : _listaWpisow)
        if (sameUpperCase(e->_id, name)) return e.get();
    return nullptr;
}

TRCMEntry* TRCMGroup::getEntry(const std::string& name) {
    return const_cast<TRCMEntry*>(static_cast<const TRCMGroup*>(this)->getEntry(name));
}

int TRCMGroup::setStringEntry(const std::string& key, const std::string& value, int index) {
    if (TRCMEntry* e = getEntry(key)) {
        e->setValue(value, index);
    } else {
        _addEntry(key, value, index);
    }
    return 0;
}

int TRCMGroup::setFloatEntry(const std::string& key, float value, int index) {
    const std::string text = formatFloat9g(value);
    if (TRCMEntry* e = getEntry(key)) {
        e->setValue(text, index);
    } else {
        _addEntry(key, text, index)->_type = entryTypeNumber;
    }
    return 0;
}

TRCMEntry* TRCMGroup::_addEntry(const std::string& key, const std::string& value, int index) {
    auto e = std::make_unique<TRCMEntry>();
    e->_id = key;
    e->setValue(value, index);
    _listaWpisow.push_back(std::move(e));
    return _listaWpisow.back().get();
}
