#pragma once

#include <string>

#include "core/Sprite.h"
#include "gui/InteractionalObject.h"

// One item on a shop page: a piece of furniture with its price, or a stock or
// fund of the bank (price 0: the market sets it). Its 82 x 82 picture is what
// the pointer hits.
class ShopObject : public Sprite, public InteractionalObject {
public:
    struct Kind {
        enum _enum { UNDEFINED, FURNITURE, STOCK, FUND };
        static const char* toString(_enum kind);
        static _enum fromString(const std::string& text);
    };

    ShopObject(Kind::_enum kind, int id, const std::string& name, const std::string& description,
               float price, const std::string& picture);

    static constexpr float SIZE = 82.0f;

    Kind::_enum getKind() const { return m_kind; }
    int getId() const { return m_id; }
    const std::string& getName() const { return m_name; }
    const std::string& getDescription() const { return m_description; }
    float getPrice() const { return m_price; }
    bool isInvestment() const { return m_kind == Kind::STOCK || m_kind == Kind::FUND; }

    // Shows or hides the picture and lets the pointer reach it or not.
    void setVisible(bool visible) override;
    void place(const hgeVector& position) { setPosition(position); }

    void getBoundingBox(hgeRect& rect) override { Sprite::getBoundingBox(rect); }
    float getDepth() override { return m_z; }
    void setDepth(float depth) override { m_z = depth; }
    using Renderable::setDepth;
    void setActive(bool active, bool recursive) override {
        InteractionalObject::setActive(active, recursive);
    }

private:
    Kind::_enum m_kind;
    int m_id;
    std::string m_name;
    std::string m_description;
    float m_price;
};
