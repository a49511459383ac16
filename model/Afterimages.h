// Afterimages: copies of the point, line and circle lists that a drag leaves
// behind, fading one level with each copy; they carry no incidence records.
#pragma once

class GDocument;
class GPoint;
class GLine;
class GCircle;

// A copy of the list from src on, one level fainter; shorter when a pool fills.
GPoint* makePClone(GDocument& doc, GPoint* src);
GLine* makeLClone(GDocument& doc, GLine* src);
GCircle* makeCClone(GDocument& doc, GCircle* src);
// Brings an existing copy up to date with src (positions, looks, fade level).
void copyToPClone(GPoint* dst, GPoint* src);
void copyToLClone(GLine* dst, GLine* src);
void copyToCClone(GCircle* dst, GCircle* src);
// Gives a copy's slots back.
void deletePClone(GDocument& doc, GPoint* p);
void deleteLClone(GDocument& doc, GLine* l);
void deleteCClone(GDocument& doc, GCircle* c);
