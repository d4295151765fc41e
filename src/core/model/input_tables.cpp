#include "model/input_tables.h"

#include "components/grid_column.h"
#include "components/grid_table.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quavis {

const char* const SoilTableComments = "Weak Zone Shear Moduli Ratio is suggested to be:\r"
                                      "- 0.25 to 0.50 for machine foundations,\r"
                                      "- less than 0.25 for seismic response.\r"
                                      "A value of 1 indicates no reduction will be considered\r"
                                      "A value of 0 may generate numerical errors.";

namespace {

using Lines = std::vector<std::string>;

const Lines LoadItems = {"Force in X-direction", "Force in Y-direction", "Force in Z-direction",
                         "Moment about X-axis",  "Moment about Y-axis",  "Moment about Z-axis"};
// The first item's spelling is the one the users have always seen.
const Lines SpectrumItems = {"Force in X-directiin", "Force in Y-direction", "Force in Z-direction",
                             "Moment about X-axis",  "Moment about Y-axis",  "Moment about Z-axis"};

void Setup(TGridTable& table, int identifier, const char* caption, int maxRows, const char* topLeft,
           bool hardwiredButton = true)
{
    table.SetIdentifier(identifier);
    table.SetCaption(caption);
    table.SetMinRows(1);
    table.SetMaxRows(maxRows);
    table.SetRowGroup(1);
    table.SetTopLeft(topLeft);
    table.SetHardwiredButton(hardwiredButton);
}

void AddFloat(TGridTable& table, Lines headers, const char* units = "")
{
    auto column = std::make_unique<TFloatColumn>(table);
    column->SetHeaders(std::move(headers));
    column->SetColumnUnits(units);
    table.AddColumn(std::move(column));
}

void AddPickList(TGridTable& table, Lines headers, const Lines& items)
{
    auto column = std::make_unique<TEnumColumn>(table);
    column->SetHeaders(std::move(headers));
    column->SetItems(items);
    table.AddColumn(std::move(column));
}

// Every pick-list item of the table's first column uses the same template.
void AddSubTables(TGridTable& table, Lines headers, int templateIdentifier, std::size_t itemCount)
{
    auto column = std::make_unique<TTableColumn>(table);
    column->SetHeaders(std::move(headers));
    for (std::size_t i = 0; i < itemCount; ++i)
        column->Templates().AddIdentifier(templateIdentifier);
    table.AddColumn(std::move(column));
}

// The five soil constants shared by the soil tables, with their slightly different headers.
void AddSoilColumns(TGridTable& t, Lines velocity, Lines weight, Lines poisson, Lines damping, Lines ratio)
{
    AddFloat(t, std::move(velocity), "L2/SEC");
    AddFloat(t, std::move(weight), "F/L2^3");
    AddFloat(t, std::move(poisson));
    AddFloat(t, std::move(damping));
    AddFloat(t, std::move(ratio));
}

void DefineD(TGridTable& t)
{
    Setup(t, DIdentifier, "Soil Properties", 20, "Layer");
    t.SetComments(SoilTableComments);
    AddSoilColumns(t, {"Shear wave", "velocity, "}, {"Unit weight", ""}, {"Poisson's", "ratio"},
                   {"Material", "damping"}, {"Weak zone shear", "modulus ratio"});
}

void DefineTLoadtype(TGridTable& t)
{
    Setup(t, TLoadtypeIdentifier, "Transient Loading Data", 0, "Number");
    AddPickList(t, {"Load type"}, LoadItems);
    AddSubTables(t, {"Load amplitude"}, DtransientIdentifier, LoadItems.size());
}

void DefinePileData(TGridTable& t)
{
    Setup(t, PileDataIdentifier, "Pile Data", 200, "Layer No.");
    AddFloat(t, {"Layer ", "depth, "}, "L2");
    AddFloat(t, {"Radius of pile", "(X-dir.) "}, "L2");
    AddFloat(t, {"Radius of pile", "(Y-dir.)"}, "L2");
    AddFloat(t, {"Cross-sectional", "area, "}, "L2^2");
    AddFloat(t, {"Moment of inertia", "(X-dir.)"}, "L2^4");
    AddFloat(t, {"Moment of inertia", "(Y-dir.)"}, "L2^4");
    AddFloat(t, {"Torsional polar moment", "of inertia (Z-dir.)"}, "L2^4");
}

void DefinePilecapsoil(TGridTable& t)
{
    Setup(t, pilecapsoilIdentifier, "Side Weakened Soil Parameters", 20, "Layer #");
    AddFloat(t, {"Thickness of", "layer, "}, "L2");
    AddSoilColumns(t, {"Shear wave", "velocity, "}, {"Unit weight", ""}, {"Poisson's", "ratio"},
                   {"Material", "damping"}, {"Weak zone", "shear moduli ratio"});
}

void DefineMultisoil(TGridTable& t)
{
    Setup(t, MultisoilIdentifier, "Soil Column Layer", 20, "Layer #");
    AddSoilColumns(t, {"Shear Wave", "velocity,"}, {"Unit Weight", ""}, {"Poisson's", "Ratio"},
                   {"Material", "Damping"}, {"Weak Zone Shear ", "Modulus Ratio"});
}

void DefineMultiElement(TGridTable& t)
{
    Setup(t, MultiElementIdentifier, "Multi-Layer Foundation", 20, "Layer #");
    AddFloat(t, {"Layer Depth", ""}, "L2");
    AddFloat(t, {"Radius of Foundation", "(X), "}, "L2");
    AddFloat(t, {"Radius of Foundation", "(Y), "}, "L2");
    AddFloat(t, {"Cross-Section", "Area"}, "L2^2");
    AddFloat(t, {"Moment of Inertia", "(X), "}, "L2^4");
    AddFloat(t, {"Moment of Inertia", "(Y),"}, "L2^4");
    AddFloat(t, {"Torsional", "Coefficient"});
}

void DefinePilecoord(TGridTable& t)
{
    Setup(t, PilecoordIdentifier, "Pile Coordinations", 200, "Pile #");
    AddFloat(t, {"X-coord."}, "L2");
    AddFloat(t, {"Y-coord."}, "L2");
    AddFloat(t, {"Battered Angle", "(degrees)"});
    AddPickList(t, {"Battered Plane", "(Z-vertical axis)"}, {"XZ-Plane", "YZ-Plane"});
}

void DefineDtransient(TGridTable& t)
{
    Setup(t, DtransientIdentifier, "Load Amplitude", 0, "Number");
    AddFloat(t, {"Load Amplitude"}, "F");
}

void DefineTrandom(TGridTable& t)
{
    Setup(t, TrandomIdentifier, "Random Loading data", 0, "Number");
    AddPickList(t, {"Spectrum Coordinates"}, SpectrumItems);
    AddSubTables(t, {"Enter Data"}, TspectrumIdentifier, SpectrumItems.size());
}

void DefineTspectrum(TGridTable& t)
{
    Setup(t, TspectrumIdentifier, "Random Spectrum Data", 0, "Number");
    AddFloat(t, {"Spectrum Data"}, "F");
}

void DefineD1(TGridTable& t)
{
    Setup(t, D1Identifier, "Soil Layer Data", 20, "");
    AddFloat(t, {"Thickness", ""}, "L2");
    AddSoilColumns(t, {"Shear Wave", "Velocity,"}, {"Unit Weight", ""}, {"Poisson's", "Ratio"},
                   {"Material", "Damping"}, {"Weak Zone Shear", "Modulus Ratio"});
}

void DefineMassCal(TGridTable& t)
{
    Setup(t, MassCalIdentifier, "Mass Components including equipment, and self weight of footing ", 30, "Mass #",
          false);
    AddFloat(t, {"Mass"}, "F6");
    AddFloat(t, {"x-Coord."}, "L2");
    AddFloat(t, {"y-Coord."}, "L2");
    AddFloat(t, {"z-Coord."}, "L2");
    AddFloat(t, {"Length ", "(x-direction)"}, "L2");
    AddFloat(t, {"Width ", "(y-direction)"}, "L2");
    AddFloat(t, {"Thickness", "(z-direction)"}, "L2");
}

} // namespace

void DefineInputTables(const std::array<TGridTable*, InputTableCount>& t)
{
    DefineD(*t[0]);
    DefineTLoadtype(*t[1]);
    DefinePileData(*t[2]);
    DefinePilecapsoil(*t[3]);
    DefineMultisoil(*t[4]);
    DefineMultiElement(*t[5]);
    DefinePilecoord(*t[6]);
    DefineDtransient(*t[7]);
    DefineTrandom(*t[8]);
    DefineTspectrum(*t[9]);
    DefineD1(*t[10]);
    DefineMassCal(*t[11]);
}

} // namespace quavis
