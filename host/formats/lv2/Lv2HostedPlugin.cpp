// SPDX-License-Identifier: MIT
#include "host/formats/lv2/Lv2HostedPlugin.h"

#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/urid/urid.h>

#include <algorithm>
#include <vector>

#include "host/formats/lv2/Lv2Format.h"

const char* const kLv2Naming = "an LV2 bundle folder or plug-in URI (found in LV2_PATH)";

std::unique_ptr<HostedEffect> loadLv2Plugin(const std::string& name, std::string& error) {
    return Lv2HostedPlugin::load(name, error);
}

std::unique_ptr<Lv2HostedPlugin> Lv2HostedPlugin::load(const std::string& name,
                                                       std::string& error) {
    auto found = FoundPlugin::find(name, error);
    if (!found) return nullptr;
    auto effect = std::unique_ptr<Lv2HostedPlugin>(new Lv2HostedPlugin(std::move(found)));
    if (!effect->readPorts(error) || !effect->checkFeatures(error)) return nullptr;
    effect->ui = Lv2HostedUi::find(*effect->found, effect->urids);
    return effect;
}

// The options are filled in at each start. Every block is at most the block
// size, so its length is bounded too.
Lv2HostedPlugin::Lv2HostedPlugin(std::unique_ptr<FoundPlugin> found)
    : found(std::move(found)),
      features({{LV2_URID__map, urids.data()},
                {LV2_OPTIONS__options, options.data()},
                {LV2_BUF_SIZE__boundedBlockLength, nullptr}}) {}

Lv2HostedPlugin::~Lv2HostedPlugin() {
    ui.reset();
    free();
}

bool Lv2HostedPlugin::readPorts(std::string& error) {
    const LilvPlugin* plugin = found->plugin();
    std::vector<uint32_t> ins, outs;
    for (uint32_t index = 0; index < lilv_plugin_get_num_ports(plugin); ++index) {
        const LilvPort* port = lilv_plugin_get_port_by_index(plugin, index);
        if (!lilv_port_is_a(plugin, port, found->node(LV2_CORE__AudioPort))) {
            error = "port " + std::to_string(index) +
                    " is not audio, and this host connects audio only";
            return false;
        }
        const bool input = lilv_port_is_a(plugin, port, found->node(LV2_CORE__InputPort));
        (input ? ins : outs).push_back(index);
    }
    if (ins.size() != 2 || outs.size() != 2) {
        error = "the plug-in's audio is not two inputs and two outputs";
        return false;
    }
    std::copy(ins.begin(), ins.end(), inputPorts.begin());
    std::copy(outs.begin(), outs.end(), outputPorts.begin());
    return true;
}

bool Lv2HostedPlugin::checkFeatures(std::string& error) {
    std::vector<std::string> required;
    LilvNodes* nodes = lilv_plugin_get_required_features(found->plugin());
    LILV_FOREACH(nodes, at, nodes) required.push_back(lilv_node_as_uri(lilv_nodes_get(nodes, at)));
    lilv_nodes_free(nodes);
    const std::string missing = features.missing(required);
    if (!missing.empty())
        error = "the plug-in needs " + missing + ", which this host does not give";
    return missing.empty();
}

bool Lv2HostedPlugin::start(int32_t rate, int32_t block, std::string& error) {
    free();
    blockFrames = block;
    const LV2_URID intType = urids.map(LV2_ATOM__Int);
    for (int at = 0; at < 2; ++at)
        options[size_t(at)] = {LV2_OPTIONS_INSTANCE, 0,
                               urids.map(at ? LV2_BUF_SIZE__nominalBlockLength
                                            : LV2_BUF_SIZE__maxBlockLength),
                               sizeof blockFrames, intType, &blockFrames};
    options[2] = {};
    instance = lilv_plugin_instantiate(found->plugin(), double(rate), features.array());
    if (!instance) {
        error = "the plug-in refused to instantiate at " + std::to_string(rate) + " Hz";
        return false;
    }
    lilv_instance_activate(instance);
    active = true;
    return true;
}

void Lv2HostedPlugin::stop() {
    if (!active) return;
    lilv_instance_deactivate(instance);
    active = false;
}

void Lv2HostedPlugin::free() {
    stop();
    if (instance) lilv_instance_free(instance);
    instance = nullptr;
}

void Lv2HostedPlugin::process(float** in, float** out, int32_t frames) {
    for (size_t channel = 0; channel < 2; ++channel) {
        lilv_instance_connect_port(instance, inputPorts[channel], in[channel]);
        lilv_instance_connect_port(instance, outputPorts[channel], out[channel]);
    }
    lilv_instance_run(instance, uint32_t(frames));
}

bool Lv2HostedPlugin::accumulates(std::string& why) {
    why = "an LV2 plug-in has no accumulating callback";
    return false;
}

bool Lv2HostedPlugin::setZoom(int32_t zoom, std::string& error) {
    if (!ui) error = "the plug-in has no UI this host can show";
    if (ui) ui->setScale(float(zoom));
    return ui != nullptr;
}

bool Lv2HostedPlugin::editorSize(int32_t& width, int32_t& height) {
    width = height = 0;
    return ui != nullptr;
}

bool Lv2HostedPlugin::openEditor(HostWindow& window) {
    return ui && instance && ui->open(window, lilv_instance_get_handle(instance));
}

void Lv2HostedPlugin::idleEditor() {
    if (ui) ui->idle();
}

void Lv2HostedPlugin::closeEditor() {
    if (ui) ui->close();
}
