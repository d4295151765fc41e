#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "model/program_data.h"
#include "results/result_graphs.h"

namespace quavis {

class TGridTable;

// One open project: the scalar model, the twelve input tables and the modified state. The desktop main
// window owns one; the command-line tool and the engine make their own. The tables live as long as the
// project object; the model is replaced by CreateDefault and CreateFromFile.
class TProject {
public:
    static constexpr std::size_t TableCount = 12;

    TProject();  // builds the input tables and a new model (CreateDefault)
    ~TProject();
    TProject(const TProject&) = delete;
    TProject& operator=(const TProject&) = delete;

private:
    // Declared before the references below so that it is built first.
    std::array<std::unique_ptr<TGridTable>, TableCount> m_tableStorage;

public:
    // The input tables, under the names every part of the program uses.
    TGridTable& D;
    TGridTable& TLoadtype;
    TGridTable& PileData;
    TGridTable& pilecapsoil;
    TGridTable& Multisoil;
    TGridTable& MultiElement;
    TGridTable& Pilecoord;
    TGridTable& Dtransient;
    TGridTable& Trandom;
    TGridTable& Tspectrum;
    TGridTable& D1;
    TGridTable& MassCal;

    // All twelve, in the order above (their identifiers 1 to 12).
    const std::array<TGridTable*, TableCount>& Tables() const { return m_tables; }

    // The current model.
    TProgramData& ProgramData() { return m_programData; }
    const TProgramData& ProgramData() const { return m_programData; }

    // The eighteen result graphs; they outlive every model the project holds.
    TResultGraphs& ResultGraphs() { return m_resultGraphs; }
    const TResultGraphs& ResultGraphs() const { return m_resultGraphs; }

    // True when the flag is set or any input table reports a change.
    bool IsModified() const;
    // Stores the flag; clearing it also clears the changed flag of every input table.
    void SetModified(bool flag);

    // A new model with defaults, every table holding only MinRows default rows, not modified.
    void CreateDefault();
    // A new model read from a project file; always leaves a complete model (project_reader.cpp).
    void CreateFromFile(const std::string& path);
    // Writes the project file at FileName and the geometry file (project_writer.cpp).
    void Save();
    // Converts the model and every input table to the given system (clamped to 1..2).
    void ChangeUnitSystem(int system);

    // The saving rules of the three Has... flags: each sets its flag when the tables show the
    // condition, never clears it, and returns the flag.
    bool DetectBatteredPiles();    // any |batter angle| (Pilecoord column 3) > 1e-7
    bool DetectSideCapWeakZone();  // any |weak zone ratio| (pilecapsoil column 6) > 1e-7
    bool DetectWeakZone();         // any |weak zone ratio| (D1 column 6) > 1e-7

    // Set by the main window: closes its child windows before the model is replaced.
    std::function<void()> OnCloseAllChildren;
    // Set by the main window: refreshes what shows the unit system (menu checks, open editors).
    std::function<void()> OnUnitSystemChanged;

private:
    // Gives the tables the identifiers 1 to 12 (the templates of the loading tables' rows).
    void ClaimIdentifiers();

    std::array<TGridTable*, TableCount> m_tables{};
    TProgramData m_programData;
    TResultGraphs m_resultGraphs;
    bool m_modified = false;
};

} // namespace quavis
