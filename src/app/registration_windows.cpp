#include "app/holder_list.h"
#include "app/main_window.h"
#include "app/windows.h"
#include "holders/holder_window.h"
#include "registries/person_registry_window.h"
#include "registries/plans_window.h"
#include "ui/session.h"

using namespace Qt::StringLiterals;

namespace zova {

namespace {

// Collectors, sellers and plans; they open without an activity-log text.
void registerRegistries(MainWindow& main)
{
    main.registerWindow(u"CADASTRO/Cobradores"_s, [&main](QWidget* parent) -> QDialog* {
        return new PersonRegistryWindow(main.session(), PersonRegistry::collectors(), parent);
    });
    main.registerWindow(u"CADASTRO/Vendedores"_s, [&main](QWidget* parent) -> QDialog* {
        return new PersonRegistryWindow(main.session(), PersonRegistry::sellers(), parent);
    });
    main.registerWindow(u"CADASTRO/Planos"_s,
        [&main](QWidget* parent) -> QDialog* { return new PlansWindow(main.session(), parent); });
}

// The holder window keeps the main window's holder list, count and selected holder in step.
void registerHolderWindow(MainWindow& main)
{
    main.registerWindow(u"CADASTRO/Titulares"_s, [&main](QWidget* parent) -> QDialog* {
        HolderWindowHooks hooks;
        hooks.selectedHolder = main.selectedHolderId();
        // Reloading the list also refreshes the selected holder's details.
        hooks.holdersChanged = [&main] {
            main.reloadHolders();
            main.updateActiveCount();
        };
        hooks.dependentsChanged = [&main] { main.refreshSelectedHolder(); };
        hooks.holderChosen = [&main](qint64 id) {
            if (main.holderModel()->rowCount() == 0)
                return false;
            main.selectHolder(id);
            return true;
        };
        return new HolderWindow(main.session(), std::move(hooks), parent);
    });
}

} // namespace

void registerRegistrationWindows(MainWindow& main)
{
    registerRegistries(main);
    registerHolderWindow(main);
}

} // namespace zova
