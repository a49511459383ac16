// Function graphs and parametric curves made from a typed formula: the curve
// records from the pool, and the Graph command's building of the step, with
// the message a person sees when the formula cannot be read (the code and
// what is wrong where), and a curve's formula as it was understood.
#include "model/Gesture.h"
#include "model/Formula.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"

GParaCurve* GGesture::NewGraphCurve(const std::string& text) { return NewParaCurve(text, text); }

GParaCurve* GGesture::NewParaCurve(const std::string& first, const std::string& second) {
  GParaCurve* c = m_Doc.NewCurve();
  if (!c) return nullptr;
  c->expr1 = first;
  c->expr2 = second;
  return c;
}

int GGesture::AddGraph(const std::string& formula, double xmin, double xmax,
                       GFormulaError* report) {
  const size_t comma = formula.find(',');
  const bool para = GetRBInGraphText(formula);
  GParaCurve* curve = para ? NewParaCurve(formula.substr(0, comma), formula.substr(comma + 1))
                           : NewGraphCurve(formula);
  GFormulaError error{CALC_CANNOT_SPLIT, GFormulaFault::kNoCurve, 0, ""};
  if (curve) ParseCurveFormula(m_Doc.FirstConst(), curve->expr1, curve->calc1, &error);
  if (error.code == CALC_OK && para) {
    ParseCurveFormula(m_Doc.FirstConst(), curve->expr2, curve->calc2, &error);
    if (error.code != CALC_OK) error.at += comma + 1;  // the place in the formula as typed
  }
  GConst* c = nullptr;
  if (error.code == CALC_OK) {
    c = m_Doc.NewConst(para ? CONST_PARA_CURVE : CONST_GRAPH);
    // With no step left the curve cannot be kept either; retyping cannot help.
    if (!c) error = GFormulaError{CALC_CANNOT_SPLIT, GFormulaFault::kNoCurve, 0, ""};
  }
  if (!c) {
    if (curve) {
      ReleaseCurveTrees(curve);
      curve->inUse = 0;
    }
    m_Doc.User().ShowMessage(
        StrFormat(Tr("error %d"), error.code) + "\n" + FormulaErrorText(error, formula),
        Tr("Invalid function input"));
    if (report) *report = error;
    return error.code;
  }
  curve->xmin = xmin;
  curve->xmax = xmax;
  c->CurveOutput = curve;
  curve->name = m_Doc.TakeName(GNameKind::kCurve);
  m_Doc.WriteLogFile(formula + "\n");
  m_Doc.EvaluateConst(m_Doc.FirstConst());
  ShowNewOutput(c);
  if (report) *report = error;
  return CALC_OK;
}

std::string UnderstoodFormula(const GParaCurve& c) {
  if (!c.calc1) return std::string();
  std::string text = PrintFormula(c.calc1);
  if (c.calc2) text.append(",").append(PrintFormula(c.calc2));
  return text;
}
