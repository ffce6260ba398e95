#include "outputs/report_content.h"

#include "outputs/report_blocks.h"
#include "outputs/report_record.h"
#include "outputs/report_wording.h"
#include "outputs/result_table.h"
#include "outputs/site_drawings.h"
#include "outputs/wording.h"

namespace kvarn {

namespace {

std::string text(std::string_view words) {
    return std::string(words);
}

ReportPart firstPart(const Station& station, const Assessment& assessment,
                     const ReportContext& context) {
    const ReportWording& r = reportWordingFor(station.language);
    ReportPart p;
    p.blocks.push_back(ReportHeading{Wording::fill(r.assessmentOf, {station.title}), true});
    p.blocks.push_back(ReportParagraph{
        Wording::fill(r.assessedOn, {context.date, KVARN_VERSION, context.stationFile})});
    p.blocks.push_back(ReportHeading{text(r.stationHeading)});
    p.blocks.push_back(stationFacts(station));

    for (ReportBlock& block : antennaFigures(station, assessment))
        p.blocks.push_back(std::move(block));

    p.blocks.push_back(ReportHeading{text(r.verdictHeading)});
    p.blocks.push_back(ReportParagraph{criterionLine(station)});
    for (const BandResult& b : assessment.bands)
        p.blocks.push_back(ReportBullet{bandVerdictLine(station, b)});
    p.blocks.push_back(ReportParagraph{overallVerdict(station, assessment), true});
    if (station.plot()) p.blocks.push_back(ReportSitePlan{stationPlan(station, assessment), 420});
    return p;
}

} // namespace

ReportDocument reportDocument(const Station& station, const Assessment& assessment,
                              const ReportContext& context) {
    const ReportWording& r = reportWordingFor(station.language);
    ReportDocument d;
    d.title = "Exposure assessment of " + station.title;
    d.footer = Wording::fill(r.footer, {KVARN_VERSION, station.title, context.date});
    d.parts.push_back(firstPart(station, assessment, context));
    for (const BandResult& b : assessment.bands)
        d.parts.push_back(bandPart(station, b));
    d.parts.push_back(closingPart(station));
    return d;
}

ReportDocument reportDocument(const Installation& installation, const SiteAssessment& all,
                              const ReportContext& context) {
    const Station& first = installation.first();
    if (installation.antennas.size() == 1 && first.language == Language::en)
        return reportDocument(first, all.antennas.front(), context);
    return recordDocument(installation, all, context);
}

} // namespace kvarn
