// View > Density: off, bin counts or kernel density, each choice one undo step.
#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CommandIds.h"

void CTernaryDoc::RegisterDensityCommands()
{
    const std::pair<int, int> modes[] = { { ID_DENSITY_OFF, DensitySettings::Off },
        { ID_DENSITY_BINS, DensitySettings::Bins }, { ID_DENSITY_KERNEL, DensitySettings::Kernel } };
    for (const auto& entry : modes) {
        const int mode = entry.second;
        OnCommand(entry.first, [this, mode] {
            DocumentChange step(this, "Density");
            m_density.mode = mode;
            RepaintPlot();
        });
        OnUpdateCommand(entry.first, [this, mode](CCmdUI& ui) { ui.SetCheck(m_density.mode == mode); });
    }
}
