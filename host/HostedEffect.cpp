#include "host/HostedEffect.h"

#include "host/ModuleEffect.h"

std::unique_ptr<HostedEffect> HostedEffect::load(const std::string& path, std::string& error) {
    return ModuleEffect::create(path, error);
}
