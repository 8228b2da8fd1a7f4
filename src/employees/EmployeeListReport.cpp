#include "employees/EmployeeListReport.h"

#include "employees/EmployeeTexts.h"
#include "report/ListFlow.h"

namespace zarion::employees {

std::string employeeListTitle(const ListFilter& filter, const std::string& unitEntry) {
    std::string title = "Spisak zaposlenih";
    title += filter.unit == 0 ? ", Sve RJ" : ", " + unitEntry;
    const auto& types = typeFilterEntries();
    const bool oneType = filter.calcType && *filter.calcType >= 0 &&
                         *filter.calcType < static_cast<int>(types.size()) - 1;
    title += oneType ? ", " + types[static_cast<std::size_t>(*filter.calcType)]
                     : std::string(", Svi tipovi RO");
    return title;
}

report::Document employeeListReport(const report::CompanyData& company,
                                    const std::filesystem::path& logo, const std::string& title,
                                    const std::vector<ListRow>& rows) {
    using report::Align;
    report::Painter p(report::Orientation::Portrait, "Spisak zaposlenih");
    report::PrintHeader(p, company, logo);
    p.setFont("yuoptimar", 12, true);
    p.PrintCentered(title, 105, 42);
    p.setFont("yuoptimar", 9);

    report::ListFlow list(p,
                          {{14, Align::Right, {"R.Br"}},
                           {28, Align::Right, {"ID"}},
                           {32, Align::Left, {"Prezime i ime"}},
                           {92, Align::Left, {"JMBG"}},
                           {122, Align::Left, {"Tip RO"}},
                           {164, Align::Left, {"Datum"}},
                           {198, Align::Right, {"Aktivan"}}},
                          report::ListLayout{});
    list.start(52);
    int number = 0;
    for (const ListRow& row : rows)
        list.row({std::to_string(++number) + ".", listText(row, ColId), listText(row, ColName),
                  row.jmbg, listText(row, ColCalcType), listText(row, ColTermEnd),
                  listText(row, ColActive)});
    list.rule();
    list.finish();
    return p.take();
}

} // namespace zarion::employees
