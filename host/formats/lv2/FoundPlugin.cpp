// SPDX-License-Identifier: MIT
#include "host/formats/lv2/FoundPlugin.h"

#include <cstdlib>
#include <filesystem>

std::unique_ptr<FoundPlugin> FoundPlugin::find(const std::string& name, std::string& error) {
    auto found = std::unique_ptr<FoundPlugin>(new FoundPlugin);
    const bool ok = name.find("://") != std::string::npos ? found->findByUri(name, error)
                                                           : found->findInBundle(name, error);
    return ok ? std::move(found) : nullptr;
}

FoundPlugin::~FoundPlugin() {
    for (LilvNode* node : nodes) lilv_node_free(node);
    lilv_world_free(lilvWorld);
}

bool FoundPlugin::findByUri(const std::string& uri, std::string& error) {
    lilv_world_load_all(lilvWorld);
    LilvNode* node = lilv_new_uri(lilvWorld, uri.c_str());
    lv2Plugin = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(lilvWorld), node);
    lilv_node_free(node);
    if (lv2Plugin) return true;
    const char* path = std::getenv("LV2_PATH");
    error = "no LV2 plug-in has this URI in " +
            (path ? "LV2_PATH (" + std::string(path) + ")" : std::string("the usual LV2 folders"));
    return false;
}

bool FoundPlugin::findInBundle(const std::string& folder, std::string& error) {
    std::error_code failed;
    const std::filesystem::path path = std::filesystem::absolute(folder, failed);
    if (failed || !std::filesystem::is_directory(path, failed)) {
        error = "no such bundle folder";
        return false;
    }
    if (!std::filesystem::is_regular_file(path / "manifest.ttl", failed)) {
        error = "not an LV2 bundle: the folder holds no manifest.ttl";
        return false;
    }
    // lilv takes a bundle as a file URI ending in a slash.
    std::string bundlePath = path.lexically_normal().string();
    if (bundlePath.back() != '/') bundlePath += '/';
    LilvNode* bundle = lilv_new_file_uri(lilvWorld, nullptr, bundlePath.c_str());
    lilv_world_load_bundle(lilvWorld, bundle);
    lilv_node_free(bundle);
    const LilvPlugins* plugins = lilv_world_get_all_plugins(lilvWorld);
    const unsigned count = lilv_plugins_size(plugins);
    if (count != 1) {
        error = count == 0 ? "the bundle holds no LV2 plug-in"
                           : "the bundle holds " + std::to_string(count) +
                                 " plug-ins; name one by its URI";
        return false;
    }
    lv2Plugin = lilv_plugins_get(plugins, lilv_plugins_begin(plugins));
    return true;
}

const LilvNode* FoundPlugin::node(const char* uri) {
    for (LilvNode* known : nodes)
        if (std::string(lilv_node_as_uri(known)) == uri) return known;
    nodes.push_back(lilv_new_uri(lilvWorld, uri));
    return nodes.back();
}

std::vector<std::string> FoundPlugin::values(const LilvNode* subject, const char* predicate) {
    std::vector<std::string> texts;
    LilvNodes* found = lilv_world_find_nodes(lilvWorld, subject, node(predicate), nullptr);
    LILV_FOREACH(nodes, at, found) texts.push_back(nodeText(lilv_nodes_get(found, at)));
    lilv_nodes_free(found);
    return texts;
}

std::string nodeText(const LilvNode* node) {
    if (!node) return "";
    if (lilv_node_is_uri(node) && std::string(lilv_node_as_uri(node)).rfind("file://", 0) == 0) {
        char* path = lilv_file_uri_parse(lilv_node_as_uri(node), nullptr);
        std::string text = path ? path : "";
        lilv_free(path);
        return text;
    }
    return lilv_node_as_string(node);
}
