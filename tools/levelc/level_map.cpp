#include "level_map.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <regex>

#include "base/errors.h"
#include "base/files.h"
#include "level_error.h"

namespace kv::levelc {
namespace {

using nlohmann::json;

std::string propertyText(const json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_boolean()) return value.get<bool>() ? "true" : "false";
    if (value.is_number_integer()) return std::to_string(value.get<long long>());
    if (value.is_number()) {
        const double d = value.get<double>();
        if (d == std::floor(d)) return std::to_string(static_cast<long long>(d));
        return std::to_string(d);
    }
    return value.dump();
}

std::map<std::string, std::string> readProperties(const json& owner) {
    std::map<std::string, std::string> out;
    if (!owner.contains("properties")) return out;
    for (const json& p : owner.at("properties"))
        out[p.at("name").get<std::string>()] = propertyText(p.at("value"));
    return out;
}

MapObject readObject(const json& o, const std::string& layer, const std::string& file) {
    MapObject obj;
    obj.id = o.value("id", 0);
    obj.layer = layer;
    obj.kind = o.value("type", std::string());
    if (obj.kind.empty()) obj.kind = o.value("class", std::string());
    obj.x = o.value("x", 0.0);
    obj.y = o.value("y", 0.0);
    obj.width = o.value("width", 0.0);
    obj.height = o.value("height", 0.0);
    obj.visible = o.value("visible", true);
    obj.properties = readProperties(o);
    const Position at{static_cast<int>(std::lround(obj.x)), static_cast<int>(std::lround(obj.y))};
    if (obj.kind.empty())
        throw LevelError(file, at, "object " + std::to_string(obj.id) + " has no type");
    if (o.value("rotation", 0.0) != 0.0)
        throw LevelError(file, at, "object " + std::to_string(obj.id) + " is rotated");
    if (o.value("ellipse", false))
        throw LevelError(file, at, "object " + std::to_string(obj.id) + " is an ellipse");
    if (o.contains("polyline"))
        throw LevelError(file, at, "object " + std::to_string(obj.id) + " is an open polyline");
    if (o.contains("polygon")) {
        for (const json& p : o.at("polygon"))
            obj.polygon.push_back(
                {obj.x + p.at("x").get<double>(), obj.y + p.at("y").get<double>()});
        if (obj.polygon.size() < 3)
            throw LevelError(file, at,
                             "polygon " + std::to_string(obj.id) + " has fewer than 3 points");
    }
    return obj;
}

void readLayers(const json& layers, LevelMap& map) {
    for (const json& layer : layers) {
        const std::string type = layer.value("type", std::string());
        const std::string name = layer.value("name", std::string());
        if (type == "group") {
            if (layer.contains("layers")) readLayers(layer.at("layers"), map);
        } else if (type == "objectgroup") {
            for (const json& o : layer.at("objects"))
                map.objects.push_back(readObject(o, name, map.fileName));
        }
    }
}

}  // namespace

int MapObject::left() const {
    if (polygon.empty()) return static_cast<int>(std::lround(x));
    double m = polygon[0].x;
    for (const PointF& p : polygon) m = std::min(m, p.x);
    return static_cast<int>(std::floor(m));
}
int MapObject::top() const {
    if (polygon.empty()) return static_cast<int>(std::lround(y));
    double m = polygon[0].y;
    for (const PointF& p : polygon) m = std::min(m, p.y);
    return static_cast<int>(std::floor(m));
}
int MapObject::right() const {
    if (polygon.empty()) return static_cast<int>(std::lround(x + width));
    double m = polygon[0].x;
    for (const PointF& p : polygon) m = std::max(m, p.x);
    return static_cast<int>(std::ceil(m));
}
int MapObject::bottom() const {
    if (polygon.empty()) return static_cast<int>(std::lround(y + height));
    double m = polygon[0].y;
    for (const PointF& p : polygon) m = std::max(m, p.y);
    return static_cast<int>(std::ceil(m));
}

std::string MapObject::property(const std::string& name, const std::string& fallback) const {
    const auto it = properties.find(name);
    return it == properties.end() ? fallback : it->second;
}

int MapObject::intProperty(const std::string& name, int fallback) const {
    const auto it = properties.find(name);
    if (it == properties.end()) return fallback;
    try {
        return std::stoi(it->second);
    } catch (const std::exception&) {
        return fallback;
    }
}

std::string LevelMap::property(const std::string& name, const std::string& fallback) const {
    const auto it = properties.find(name);
    return it == properties.end() ? fallback : it->second;
}

Colour parseColour(const std::string& text, const std::string& fileName, const std::string& what) {
    static const std::regex pattern(
        "#([0-9a-fA-F]{2})?([0-9a-fA-F]{2})([0-9a-fA-F]{2})([0-9a-fA-F]{2})");
    std::smatch m;
    if (!std::regex_match(text, m, pattern))
        throw LevelError(fileName, what + " is not a colour: \"" + text + "\"");
    auto channel = [&](int i) { return std::stoi(m[i].str(), nullptr, 16); };
    return rgb(channel(2), channel(3), channel(4));
}

Colour LevelMap::colour(const std::string& name) const {
    const auto it = properties.find(name);
    if (it == properties.end())
        throw LevelError(fileName, "the map property \"" + name + "\" is missing");
    return parseColour(it->second, fileName, "the map property \"" + name + "\"");
}

LevelMap parseMap(const std::string& text, const std::string& fileName) {
    LevelMap map;
    map.fileName = fileName;
    static const std::regex namePattern("episode([0-9]+)\\.tmj");
    std::smatch m;
    const std::string base = std::filesystem::path(fileName).filename().string();
    if (!std::regex_match(base, m, namePattern))
        throw LevelError(fileName, "a level map must be named episodeN.tmj");
    map.number = std::stoi(m[1].str());
    try {
        const json doc = json::parse(text);
        if (doc.value("orientation", std::string("orthogonal")) != "orthogonal")
            throw LevelError(fileName, "only orthogonal maps are supported");
        map.width = doc.at("width").get<int>() * doc.value("tilewidth", 1);
        map.height = doc.at("height").get<int>() * doc.value("tileheight", 1);
        map.properties = readProperties(doc);
        if (doc.contains("layers")) readLayers(doc.at("layers"), map);
    } catch (const json::exception& e) {
        throw LevelError(fileName, std::string("not a readable Tiled map (") + e.what() + ")");
    }
    if (map.hasProperty("level") && map.property("level") != std::to_string(map.number))
        throw LevelError(fileName, "the map property \"level\" says " + map.property("level") +
                                       " but the file is level " + std::to_string(map.number));
    return map;
}

LevelMap loadMap(const std::filesystem::path& file) {
    std::string text;
    try {
        text = readFile(file);
    } catch (const FileError& e) {
        throw LevelError(file.filename().string(), e.what());
    }
    return parseMap(text, file.filename().string());
}

}  // namespace kv::levelc
