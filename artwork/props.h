#pragma once

#include <QPainter>
#include <QPointF>

// Every object the cat is offered. The same drawing serves the choice
// picture and the care animation, so the user recognises the chosen thing.
enum class Prop {
    Fish,
    Sausage,
    CatFood,
    Cake,
    Milk,
    Water,
    Juice,
    Cocoa,
    Ball,
    Yarn,
    MouseToy,
    Gadget,
    Moon,
    Syrup,
    Syringe,
    Pills,
    FirstAid,
};

// Draws a prop fitted into a square of the given size around centre.
// amount: how much of a food or drink is left, 1 full .. 0 finished.
// variant: a small change of state for animation (the yarn's turn, the
// game's screen, the first-aid kit open).
void drawProp(QPainter& p, Prop prop, QPointF centre, double size, double amount = 1.0,
              int variant = 0);

// Loose pieces that the cat holds or that move on their own in animations,
// in the same units as drawProp.
void drawSpoon(QPainter& p, QPointF bowl, double size, double angle, bool full);
void drawSyringe(QPainter& p, QPointF tip, double size, double angle, double pushed);
void drawCapsule(QPainter& p, QPointF centre, double size, double angle);
void drawBandage(QPainter& p, QPointF centre, double size, double angle);
