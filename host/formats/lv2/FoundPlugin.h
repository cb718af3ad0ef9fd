// SPDX-License-Identifier: MIT
#pragma once
// The LV2 plug-in a name leads to, as lilv reads its data: a bundle folder
// holding one plug-in, or a plug-in URI looked up where LV2 hosts look
// (LV2_PATH, else the usual folders). It owns the lilv world the plug-in
// lives in.

#include <lilv/lilv.h>

#include <memory>
#include <string>
#include <vector>

class FoundPlugin {
public:
    // Null with `error` naming the cause.
    static std::unique_ptr<FoundPlugin> find(const std::string& name, std::string& error);
    ~FoundPlugin();
    FoundPlugin(const FoundPlugin&) = delete;
    FoundPlugin& operator=(const FoundPlugin&) = delete;

    const LilvPlugin* plugin() const { return lv2Plugin; }
    LilvWorld* world() const { return lilvWorld; }
    // The node of `uri`, kept as long as this.
    const LilvNode* node(const char* uri);
    // Every object the data gives `subject` for `predicate`, as text.
    std::vector<std::string> values(const LilvNode* subject, const char* predicate);

private:
    FoundPlugin() : lilvWorld(lilv_world_new()) {}
    bool findByUri(const std::string& uri, std::string& error);
    bool findInBundle(const std::string& folder, std::string& error);

    LilvWorld* lilvWorld;
    const LilvPlugin* lv2Plugin = nullptr;
    std::vector<LilvNode*> nodes;
};

// A file URI's path, or the text of any other node.
std::string nodeText(const LilvNode* node);
