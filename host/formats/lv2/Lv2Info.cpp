// SPDX-License-Identifier: MIT
// `info` for an LV2 plug-in: what an LV2 host reads of its data, without
// instantiating it.

#include <lv2/core/lv2.h>
#include <lv2/ui/ui.h>

#include <algorithm>
#include <cstdio>

#include "host/formats/lv2/Lv2Format.h"
#include "host/formats/lv2/FoundPlugin.h"

namespace {
const char* const kDoapLicense = "http://usefulinc.com/ns/doap#license";

// The list sorted (lilv keeps no order), comma-separated, or "none".
std::string joined(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    std::string line;
    for (const std::string& text : texts) line += (line.empty() ? "" : ", ") + text;
    return line.empty() ? "none" : line;
}

// Bundle files by their names within the bundle, so the lines read the same wherever it is.
std::string inBundle(const std::string& path, const std::string& bundle) {
    return path.rfind(bundle, 0) == 0 ? path.substr(bundle.size()) : path;
}

// A text node the caller owns, printed and freed.
void printOwned(const char* name, LilvNode* node) {
    std::printf("%s: %s\n", name, node ? nodeText(node).c_str() : "none");
    lilv_node_free(node);
}

std::string portType(FoundPlugin& found, const LilvPort* port) {
    for (auto [uri, type] : {std::pair{LV2_CORE__AudioPort, "audio"},
                             std::pair{LV2_CORE__ControlPort, "control"},
                             std::pair{LV2_CORE__CVPort, "cv"}})
        if (lilv_port_is_a(found.plugin(), port, found.node(uri))) return type;
    return "other";
}

void printPorts(FoundPlugin& found) {
    const LilvPlugin* plugin = found.plugin();
    for (uint32_t index = 0; index < lilv_plugin_get_num_ports(plugin); ++index) {
        const LilvPort* port = lilv_plugin_get_port_by_index(plugin, index);
        LilvNode* name = lilv_port_get_name(plugin, port);
        const bool input = lilv_port_is_a(plugin, port, found.node(LV2_CORE__InputPort));
        std::printf("port %u: %s \"%s\" %s %s\n", index,
                    lilv_node_as_string(lilv_port_get_symbol(plugin, port)),
                    name ? lilv_node_as_string(name) : "", input ? "input" : "output",
                    portType(found, port).c_str());
        lilv_node_free(name);
    }
}

void printUis(FoundPlugin& found, const std::string& bundle) {
    LilvUIs* uis = lilv_plugin_get_uis(found.plugin());
    if (lilv_uis_size(uis) == 0) std::printf("ui: none\n");
    LILV_FOREACH(uis, at, uis) {
        const LilvUI* ui = lilv_uis_get(uis, at);
        const LilvNode* uri = lilv_ui_get_uri(ui);
        std::vector<std::string> classes;
        const LilvNodes* classNodes = lilv_ui_get_classes(ui);
        LILV_FOREACH(nodes, c, classNodes)
            classes.push_back(nodeText(lilv_nodes_get(classNodes, c)));
        std::printf("ui: %s\n", lilv_node_as_uri(uri));
        std::printf("ui class: %s\n", joined(classes).c_str());
        std::printf("ui binary: %s\n",
                    inBundle(nodeText(lilv_ui_get_binary_uri(ui)), bundle).c_str());
        std::printf("ui required features: %s\n",
                    joined(found.values(uri, LV2_CORE__requiredFeature)).c_str());
        std::printf("ui optional features: %s\n",
                    joined(found.values(uri, LV2_CORE__optionalFeature)).c_str());
        std::printf("ui extension data: %s\n",
                    joined(found.values(uri, LV2_CORE__extensionData)).c_str());
    }
    lilv_uis_free(uis);
}
}  // namespace

bool printLv2Info(const std::string& name, std::string& error) {
    auto found = FoundPlugin::find(name, error);
    if (!found) return false;
    const LilvPlugin* plugin = found->plugin();
    const LilvNode* uri = lilv_plugin_get_uri(plugin);
    const std::string bundle = nodeText(lilv_plugin_get_bundle_uri(plugin));
    std::printf("uri: %s\n", lilv_node_as_uri(uri));
    printOwned("name", lilv_plugin_get_name(plugin));
    printOwned("author", lilv_plugin_get_author_name(plugin));
    printOwned("project", lilv_plugin_get_project(plugin));
    std::vector<std::string> licences;
    for (const std::string& licence : found->values(uri, kDoapLicense))
        licences.push_back(inBundle(licence, bundle));
    std::printf("licence: %s\n", joined(licences).c_str());
    std::printf("version: %s.%s\n", joined(found->values(uri, LV2_CORE__minorVersion)).c_str(),
                joined(found->values(uri, LV2_CORE__microVersion)).c_str());
    std::printf("class: %s\n",
                nodeText(lilv_plugin_class_get_label(lilv_plugin_get_class(plugin))).c_str());
    std::printf("bundle: %s\n", bundle.c_str());
    std::printf("binary: %s\n",
                inBundle(nodeText(lilv_plugin_get_library_uri(plugin)), bundle).c_str());
    std::vector<std::string> required, optional;
    LilvNodes* nodes = lilv_plugin_get_required_features(plugin);
    LILV_FOREACH(nodes, at, nodes) required.push_back(nodeText(lilv_nodes_get(nodes, at)));
    lilv_nodes_free(nodes);
    nodes = lilv_plugin_get_optional_features(plugin);
    LILV_FOREACH(nodes, at, nodes) optional.push_back(nodeText(lilv_nodes_get(nodes, at)));
    lilv_nodes_free(nodes);
    std::printf("required features: %s\n", joined(required).c_str());
    std::printf("optional features: %s\n", joined(optional).c_str());
    printPorts(*found);
    printUis(*found, bundle);
    return true;
}
