// The Measure command: a live text for what is chosen (distances, lengths,
// a circle's radius, circumference and area, angles, slopes, a polygon's
// area), made of measuring references so it follows every drag.
#pragma once

#include <string>

class GDocument;
class GText;

// The text that measures the chosen elements (commas escaped as stored);
// empty when nothing measurable is chosen.
std::string MeasureContent(GDocument& doc);
// Appends a text step showing `content` at pixel (x, y) of the canvas;
// none when the pools are full.
GText* AddMeasureText(GDocument& doc, const std::string& content, double x, double y);
