#pragma once

// The looks the showcase can be shown in, by the short names its pictures
// carry ("showcase-<name>").

#include "core/CObject.h"

#include <string>
#include <vector>

struct ShowcaseLook
{
    std::string name;
    CRuntimeClass* lookClass;
};

const std::vector<ShowcaseLook>& ShowcaseLooks();
// The look named by a picture's file name ("showcase-xp.bmp": the XP look);
// the base look for any other name.
const ShowcaseLook& ShowcaseLookOfShot(const std::string& shot);
// Makes the look current as the host's look commands do.
void SelectShowcaseLook(const ShowcaseLook& look);
