#include "shell/program_entry.h"

#include <QApplication>

#include "shell/template_results.h"

int RunProgram(int argc, char** argv, const ProgramProfile& profile, TfrmTemplate::ComputeHandler computeHandler)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(profile.programName);
    TfrmTemplate frmTemplate(profile, std::move(computeHandler));
    TfrmTemplateResults frmTemplateResults;
    frmTemplateResults.setWorksheet(&frmTemplate);
    frmTemplate.setResultsWindow(&frmTemplateResults);
    frmTemplate.show();
    return QApplication::exec();
}
