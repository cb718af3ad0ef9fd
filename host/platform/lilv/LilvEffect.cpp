#include "host/platform/lilv/LilvEffect.h"

#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/urid/urid.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "host/platform/Lv2Plugins.h"

namespace {
// What this host gives a plug-in, as `start` passes it.
const char* const kGivenFeatures[] = {LV2_URID__map, LV2_OPTIONS__options,
                                      LV2_BUF_SIZE__boundedBlockLength};
}  // namespace

std::unique_ptr<HostedEffect> loadLv2Plugin(const std::string& name, std::string& error) {
    return LilvEffect::load(name, error);
}

std::unique_ptr<LilvEffect> LilvEffect::load(const std::string& name, std::string& error) {
    auto found = FoundPlugin::find(name, error);
    if (!found) return nullptr;
    auto effect = std::unique_ptr<LilvEffect>(new LilvEffect(std::move(found)));
    if (!effect->readPorts(error) || !effect->checkFeatures(error)) return nullptr;
    effect->ui = Lv2Ui::find(*effect->found);
    return effect;
}

LilvEffect::~LilvEffect() {
    ui.reset();
    free();
}

bool LilvEffect::readPorts(std::string& error) {
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

bool LilvEffect::checkFeatures(std::string& error) {
    LilvNodes* required = lilv_plugin_get_required_features(found->plugin());
    LILV_FOREACH(nodes, at, required) {
        const std::string feature = lilv_node_as_uri(lilv_nodes_get(required, at));
        if (std::find(std::begin(kGivenFeatures), std::end(kGivenFeatures), feature) ==
            std::end(kGivenFeatures))
            error = "the plug-in needs " + feature + ", which this host does not give";
    }
    lilv_nodes_free(required);
    return error.empty();
}

bool LilvEffect::start(int32_t rate, int32_t block, std::string& error) {
    free();
    blockFrames = block;
    const LV2_URID intType = urids.map(LV2_ATOM__Int);
    for (int at = 0; at < 2; ++at)
        options[size_t(at)] = {LV2_OPTIONS_INSTANCE, 0,
                               urids.map(at ? LV2_BUF_SIZE__nominalBlockLength
                                            : LV2_BUF_SIZE__maxBlockLength),
                               sizeof blockFrames, intType, &blockFrames};
    options[2] = {};
    // Every block is at most the block size, so its length is bounded too.
    const LV2_Feature mapFeature{LV2_URID__map, urids.data()};
    const LV2_Feature optionsFeature{LV2_OPTIONS__options, options.data()};
    const LV2_Feature boundedFeature{LV2_BUF_SIZE__boundedBlockLength, nullptr};
    const LV2_Feature* const features[] = {&mapFeature, &optionsFeature, &boundedFeature, nullptr};
    instance = lilv_plugin_instantiate(found->plugin(), double(rate), features);
    if (!instance) {
        error = "the plug-in refused to instantiate at " + std::to_string(rate) + " Hz";
        return false;
    }
    lilv_instance_activate(instance);
    active = true;
    return true;
}

void LilvEffect::stop() {
    if (!active) return;
    lilv_instance_deactivate(instance);
    active = false;
}

void LilvEffect::free() {
    stop();
    if (instance) lilv_instance_free(instance);
    instance = nullptr;
}

void LilvEffect::process(float** in, float** out, int32_t frames) {
    for (size_t channel = 0; channel < 2; ++channel) {
        lilv_instance_connect_port(instance, inputPorts[channel], in[channel]);
        lilv_instance_connect_port(instance, outputPorts[channel], out[channel]);
    }
    lilv_instance_run(instance, uint32_t(frames));
}

bool LilvEffect::editorSize(int32_t& width, int32_t& height) {
    return ui && instance &&
           ui->size(width, height, lilv_instance_get_handle(instance), urids);
}

bool LilvEffect::openEditor(void* parent) {
    return ui && instance && ui->open(parent, lilv_instance_get_handle(instance), urids);
}

void LilvEffect::idleEditor() {
    if (ui) ui->idle();
}

void LilvEffect::closeEditor() {
    if (ui) ui->close();
}
