#pragma once
// The commands of skyrun-host, in the order its help lists them.

#include "host/CommandLine.h"

extern const Command infoCommand;
extern const Command renderCommand;
extern const Command editorCommand;
extern const Command demoCommand;
extern const Command playCommand;
extern const Command checkCommand;
