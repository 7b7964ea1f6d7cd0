#pragma once

#include <QItemSelectionModel>

class MSFlexGrid;

// Every change of the grid's current cell, by mouse, keyboard or program, passes through here, so
// the grid can raise LeaveCell before the change.
class ModeloSeleccionFlexGrid : public QItemSelectionModel {
public:
    ModeloSeleccionFlexGrid(QAbstractItemModel* modelo, MSFlexGrid* grid);
    void setCurrentIndex(const QModelIndex& indice, QItemSelectionModel::SelectionFlags orden) override;

private:
    MSFlexGrid* grid_;
};
