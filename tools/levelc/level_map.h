#pragma once
// A level map as authored in Tiled (JSON, orthogonal, object layers): the shapes, their kinds
// and properties, and the map's own properties that set the theme.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "base/surface.h"

namespace kv::levelc {

struct PointF {
    double x;
    double y;
};

struct MapObject {
    int id = 0;
    std::string kind;  // Tiled "type" or "class": ground, pipe, hazard, or a scenery kind
    std::string layer;
    double x = 0, y = 0, width = 0, height = 0;
    std::vector<PointF> polygon;  // absolute points; empty for rectangles
    bool visible = true;
    std::map<std::string, std::string> properties;

    int left() const;
    int top() const;
    int right() const;   // one past the last column
    int bottom() const;  // one past the last row
    bool isPolygon() const { return !polygon.empty(); }
    std::string property(const std::string& name, const std::string& fallback = "") const;
    int intProperty(const std::string& name, int fallback) const;
};

struct LevelMap {
    std::string fileName;  // for messages: the map's file name
    int number = 0;        // 1..12, from the file name episodeN.tmj
    int width = 0;         // pixels
    int height = 0;
    std::map<std::string, std::string> properties;
    std::vector<MapObject> objects;  // in drawing order: layer by layer, object by object

    std::string property(const std::string& name, const std::string& fallback = "") const;
    // A colour property ("#RRGGBB" or Tiled's "#AARRGGBB"); throws LevelError when absent or bad.
    Colour colour(const std::string& name) const;
    bool hasProperty(const std::string& name) const { return properties.count(name) != 0; }
};

Colour parseColour(const std::string& text, const std::string& fileName, const std::string& what);

// Throws LevelError naming the file when it is missing or not a map we can read.
LevelMap loadMap(const std::filesystem::path& file);
LevelMap parseMap(const std::string& json, const std::string& fileName);

}  // namespace kv::levelc
