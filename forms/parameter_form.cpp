// SCAFFOLD: replaced by the real parameter form.
#include "forms/parameter_form.h"
namespace kvarn {
void parameterForm(double&, double&, double&, double&, double&, double&, double&, double&, double&,
                   double&, char&, bool&, bool&, std::string&, bool&, double&) {}
} // namespace kvarn
