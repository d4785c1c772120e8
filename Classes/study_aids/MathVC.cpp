#include "Classes/study_aids/MathVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/library_store/LibraryCells.h"
#include "Classes/study_aids/ConceptVC.h"
#include "Classes/study_aids/MConcept.h"
#include "Classes/study_aids/MConcepts.h"
#include "Classes/study_aids/MathVC_iPad.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"

const ui::ConnectionTable& MathVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("MathVC", &SliddenViewController::classConnections())
            .outlet("mathTV", &MathVC::mathTV_)
            .action("doneClick:", &MathVC::doneClick);
    return table;
}

void MathVC::registerOwners() {
    for (const ui::ConnectionTable* table :
         {&MathVC::classConnections(), &MathVC_iPad::classConnections(), &ConceptVC::classConnections(),
          &ConceptVC_iPad::classConnections()})
        ui::ConnectionTable::registerOwner(*table);
}

void MathVC::initWithData() {
    initWithNibName(nibIdentifier());
    animation();
}

void MathVC::initSafe() {
    initWithData();
    fnd::NotificationCenter::defaultCenter().post(kOpenedEvent, sharedAs<fnd::Object>());
}

void MathVC::viewDidLoad() {
    setupTV();
    SliddenViewController::viewDidLoad();
}

void MathVC::setupTV() {
    if (!mathTV_) return;
    mathTV_->setRowHeight(kRowHeight);
    mathTV_->setDataSource(sharedAs<MathVC>());
    mathTV_->setDelegate(sharedAs<MathVC>());
}

std::shared_ptr<MConcept> MathVC::conceptAt(int row) const {
    auto rep = AbstractAppDelegate::sharedRep();
    auto concepts = rep ? rep->conceptSet() : nullptr;
    if (!concepts || row < 0 || row >= int(concepts->concepts().size())) return nullptr;
    return concepts->concepts()[std::size_t(row)];
}

int MathVC::numberOfRows(ui::TableView&, int) {
    auto rep = AbstractAppDelegate::sharedRep();
    return rep && rep->conceptSet() ? int(rep->conceptSet()->concepts().size()) : 0;
}

std::shared_ptr<ui::TableViewCell> MathVC::cellForRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    auto cell = table.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        cell = LibraryCells::newCell(kCellIdentifier, table.bounds().size.width);
        LibraryCells::addLabel(*cell->contentView(), kNameTag, fullNameFrame(), ui::Font::italicSystem(17),
                               13, 1);
    }
    auto topic = conceptAt(indexPath.row);
    cell->imageView()->setImage(topic ? topic->iconIM() : nullptr);
    cell->layoutSubviews();  // the icon's place follows its size
    if (auto name = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(kNameTag)))
        name->setText(topic ? topic->fullName() : "");
    LibraryCells::shadeByParity(*cell, indexPath.row);
    return cell;
}

std::shared_ptr<ConceptVC> MathVC::makeConceptVC(const std::shared_ptr<MConcept>& topic) const {
    return ui::make<ConceptVC>(topic);
}

void MathVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    auto topic = conceptAt(indexPath.row);
    if (!topic || !canOpenSubview()) return;
    conceptVC_ = makeConceptVC(topic);
    registerMainChildDoneHandler(&MathVC::conceptNotifications, std::nullopt, conceptVC_);
}

void MathVC::conceptNotifications(const fnd::Notification& notification) {
    std::shared_ptr<CommonViewController> page = conceptVC_;
    if (!page || !proceedDoneNotification(&notification, page)) return;
    conceptVC_.reset();
    if (mathTV_) mathTV_->reloadData();
}

void MathVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}
