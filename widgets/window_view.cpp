#include "widgets/window_view.h"

#include "widgets/prompter.h"

#include <QWidget>

WindowView::WindowView(WindowModel &model, Prompter &prompter, QWidget &window)
    : m_model(model)
    , m_prompter(prompter)
    , m_window(window)
{
}

WindowView::~WindowView() = default;

SettingControl &WindowView::bind(const SettingRow &row, QWidget *parent, const ControlPlace &place)
{
    SettingControl &made = *m_controls.emplace_back(MakeSettingControl(row, place, parent));
    made.onChange(&m_window, [this, key = made.key()] { changed(key); });
    return made;
}

SettingControl *WindowView::control(const QString &key) const
{
    for (const auto &bound : m_controls)
        if (bound->key() == key)
            return bound.get();
    return nullptr;
}

void WindowView::openModel()
{
    m_model.load();
    showModel();
}

void WindowView::changed(const QString &key)
{
    step([this, &key] { return m_model.changed(key); });
}

void WindowView::step(const std::function<std::optional<SettingFault>()> &rule)
{
    const std::optional<SettingFault> fault = read();
    const std::optional<SettingFault> note = rule();
    showModel();
    for (const std::optional<SettingFault> &told : {fault, note})
        if (told)
            report(*told);
}

std::optional<SettingFault> WindowView::read()
{
    // A value that cannot be taken keeps its old one, but the reading goes on:
    // the next showing must not wipe what was typed after it.
    std::optional<SettingFault> first;
    for (const auto &bound : m_controls) {
        std::optional<SettingFault> fault = m_model.set(bound->key(), bound->value());
        if (fault && !first)
            first = std::move(fault);
    }
    return first;
}

void WindowView::showModel()
{
    for (const auto &bound : m_controls) {
        bound->show(m_model.value(bound->key()), m_model.items(bound->key()));
        bound->apply(m_model.state(bound->key()));
    }
    showMore();
}

bool WindowView::storeModel()
{
    // The model's store names a value that could not be taken itself, in its own order.
    read();
    const std::optional<SettingFault> fault = m_model.store();
    showModel();
    if (fault)
        report(*fault);
    return !fault;
}

void WindowView::report(const SettingFault &fault)
{
    m_prompter.show(&m_window, fault.message);
    if (!fault.key.isEmpty())
        focus(fault.key);
}

void WindowView::focus(const QString &key)
{
    SettingControl *at = control(key);
    if (!at)
        return;
    if (!at->widget()->isEnabled())
        if (SettingControl *enabler = control(m_model.enabler(key)))
            at = enabler;
    at->focus();
}
