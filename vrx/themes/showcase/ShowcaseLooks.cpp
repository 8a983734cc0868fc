#include "ShowcaseLooks.h"

#include "themes/2003/CVrxPVisualManager2003.h"
#include "themes/2007/CVrxPVisualManager2007.h"
#include "themes/vs2005/CVrxPVisualManagerVS2005.h"
#include "themes/winxp/CVrxPWinXPVisualManager.h"
#include "themes/xp/CVrxPVisualManagerXP.h"

const std::vector<ShowcaseLook>& ShowcaseLooks()
{
    static const std::vector<ShowcaseLook> looks = {
        {"base", RUNTIME_CLASS(CVrxPVisualManager)},
        {"xp", RUNTIME_CLASS(CVrxPVisualManagerXP)},
        {"winxp", RUNTIME_CLASS(CVrxPWinXPVisualManager)},
        {"2003", RUNTIME_CLASS(CVrxPVisualManager2003)},
        {"vs2005", RUNTIME_CLASS(CVrxPVisualManagerVS2005)},
        {"2007", RUNTIME_CLASS(CVrxPVisualManager2007)},
    };
    return looks;
}

const ShowcaseLook& ShowcaseLookOfShot(const std::string& shot)
{
    const std::string::size_type nSlash = shot.find_last_of("/\\");
    const std::string file = nSlash == std::string::npos ? shot : shot.substr(nSlash + 1);
    for (const ShowcaseLook& look : ShowcaseLooks())
        if (file == "showcase-" + look.name + ".bmp")
            return look;
    return ShowcaseLooks().front();
}

void SelectShowcaseLook(const ShowcaseLook& look)
{
    // The host turns the themed 3-D tabs on only for the theme look's command.
    if (look.lookClass == RUNTIME_CLASS(CVrxPWinXPVisualManager))
        CVrxPWinXPVisualManager::themed3DTabs = TRUE;
    CVrxPVisualManager::SelectClass(look.lookClass);
}
